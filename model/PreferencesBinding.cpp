#include "model/PreferencesBinding.h"

#include "model/MapModel.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "zones/TimeZones.h"

namespace {
const QString kZoneKey = QStringLiteral("DefaultTimeZone");
const QString kGridKey = QStringLiteral("ShowLatLon");
const QString kLocationsKey = QStringLiteral("ShowLocations");
const QString kLocationNamesKey = QStringLiteral("ShowLocationNames");
const QString kPinnedZonesKey = QStringLiteral("PinnedTimeZones");

/// The stored pins: one text, or a list of texts. Whatever else the key holds
/// is dropped with one warning; the texts that read back are kept.
QStringList storedPins(const QVariant &value)
{
    if (!value.isValid())
        return {};
    if (value.typeId() == QMetaType::QString)
        return value.toString().isEmpty() ? QStringList() : QStringList{value.toString()};
    bool malformed =
        value.typeId() != QMetaType::QStringList && value.typeId() != QMetaType::QVariantList;
    const QVariantList entries = malformed ? QVariantList() : value.toList();
    // A longer list than the window keeps is read no further.
    malformed = malformed || entries.size() > MapModel::kMaxPinnedZones;
    QStringList pins;
    for (const QVariant &entry : entries.mid(0, MapModel::kMaxPinnedZones)) {
        if (entry.typeId() == QMetaType::QString)
            pins.append(entry.toString());
        else
            malformed = true;
    }
    if (malformed)
        logWarning(QStringLiteral(
                       "The preference \"%1\" is not a list of at most 12 zones; %2 of them kept")
                       .arg(kPinnedZonesKey)
                       .arg(pins.size()));
    return pins;
}
} // namespace

namespace PreferencesBinding {

void registerDefaults(Preferences &preferences)
{
    preferences.registerDefaults({{kZoneKey, systemTimeZoneName()},
                                  {kGridKey, false},
                                  {kLocationsKey, false},
                                  {kLocationNamesKey, false}});
}

void restore(MapModel &model, Preferences &preferences, bool storeFallback)
{
    model.setShowGrid(preferences.boolForKey(kGridKey));
    model.setShowLocations(preferences.boolForKey(kLocationsKey));
    model.setShowLocationNames(preferences.boolForKey(kLocationNamesKey));

    const QStringList pins = storedPins(preferences.objectForKey(kPinnedZonesKey));
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
    QObject::connect(&model, &MapModel::showGridChanged, &model,
                     [&preferences](bool on) { preferences.setObject(kGridKey, on); });
    QObject::connect(&model, &MapModel::showLocationsChanged, &model,
                     [&preferences](bool on) { preferences.setObject(kLocationsKey, on); });
    QObject::connect(&model, &MapModel::showLocationNamesChanged, &model,
                     [&preferences](bool on) { preferences.setObject(kLocationNamesKey, on); });
}

} // namespace PreferencesBinding
