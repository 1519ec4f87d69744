#include "model/PreferencesBinding.h"

#include "model/MapLayer.h"
#include "model/MapModel.h"
#include "model/StoredZoneList.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "zones/TimeZones.h"

namespace {
const QString kZoneKey = QStringLiteral("DefaultTimeZone");
const QString kPinnedZonesKey = QStringLiteral("PinnedTimeZones");
} // namespace

namespace PreferencesBinding {

void registerDefaults(Preferences &preferences)
{
    QVariantMap defaults{{kZoneKey, systemTimeZoneName()}};
    for (const MapLayerInfo &layer : kMapLayers)
        defaults.insert(QLatin1String(layer.storedKey), layer.shownByDefault);
    preferences.registerDefaults(defaults);
}

void restore(MapModel &model, Preferences &preferences, bool storeFallback)
{
    for (const MapLayerInfo &layer : kMapLayers)
        model.setLayerShown(layer.layer, preferences.boolForKey(QLatin1String(layer.storedKey)));

    const QStringList pins = storedZoneList(preferences.objectForKey(kPinnedZonesKey),
                                            kPinnedZonesKey, MapModel::kMaxPinnedZones);
    QStringList knownPins;
    for (const QString &pin : std::as_const(pins)) {
        if (isKnownTimeZone(pin) && model.offeredZones().contains(pin))
            knownPins.append(pin);
        else
            logLine(QStringLiteral("Pinned time zone doesn't exist on system: %1").arg(pin));
    }
    model.setPinnedZones(knownPins);

    const QString stored = preferences.stringForKey(kZoneKey);
    const bool known = !stored.isNull() && isKnownTimeZone(stored);
    const QString zone = known ? stored : systemTimeZoneName();
    model.selectZone(zone);
    if (!known && storeFallback)
        preferences.setObject(kZoneKey, zone);
}

void keepStored(MapModel &model, Preferences &preferences)
{
    QObject::connect(&model, &MapModel::zoneChosen, &model, [&preferences](const QString &zone) {
        preferences.setObject(kZoneKey, zone);
    });
    QObject::connect(&model, &MapModel::pinnedZonesChanged, &model, [&model, &preferences] {
        preferences.setObject(kPinnedZonesKey, model.pinnedZones());
    });
    QObject::connect(&model, &MapModel::layerShownChanged, &model,
                     [&preferences](MapLayer layer, bool shown) {
                         preferences.setObject(QLatin1String(layerInfo(layer).storedKey), shown);
                     });
}

} // namespace PreferencesBinding
