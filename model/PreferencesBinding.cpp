#include "model/PreferencesBinding.h"

#include "model/MapModel.h"
#include "model/StoredZoneList.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "zones/TimeZones.h"

namespace {
const QString kZoneKey = QStringLiteral("DefaultTimeZone");
const QString kGridKey = QStringLiteral("ShowLatLon");
const QString kLocationsKey = QStringLiteral("ShowLocations");
const QString kLocationNamesKey = QStringLiteral("ShowLocationNames");
const QString kPinnedZonesKey = QStringLiteral("PinnedTimeZones");
const QString kSunKey = QStringLiteral("ShowSun");
const QString kMoonKey = QStringLiteral("ShowMoon");
const QString kTwilightLinesKey = QStringLiteral("ShowTwilightLines");
} // namespace

namespace PreferencesBinding {

void registerDefaults(Preferences &preferences)
{
    preferences.registerDefaults({{kZoneKey, systemTimeZoneName()},
                                  {kGridKey, false},
                                  {kLocationsKey, false},
                                  {kLocationNamesKey, false},
                                  {kSunKey, false},
                                  {kMoonKey, false},
                                  {kTwilightLinesKey, false}});
}

void restore(MapModel &model, Preferences &preferences, bool storeFallback)
{
    model.setShowGrid(preferences.boolForKey(kGridKey));
    model.setShowLocations(preferences.boolForKey(kLocationsKey));
    model.setShowLocationNames(preferences.boolForKey(kLocationNamesKey));
    model.setShowSun(preferences.boolForKey(kSunKey));
    model.setShowMoon(preferences.boolForKey(kMoonKey));
    model.setShowTwilightLines(preferences.boolForKey(kTwilightLinesKey));

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
    QObject::connect(&model, &MapModel::showGridChanged, &model,
                     [&preferences](bool on) { preferences.setObject(kGridKey, on); });
    QObject::connect(&model, &MapModel::showLocationsChanged, &model,
                     [&preferences](bool on) { preferences.setObject(kLocationsKey, on); });
    QObject::connect(&model, &MapModel::showLocationNamesChanged, &model,
                     [&preferences](bool on) { preferences.setObject(kLocationNamesKey, on); });
    QObject::connect(&model, &MapModel::showSunChanged, &model,
                     [&preferences](bool on) { preferences.setObject(kSunKey, on); });
    QObject::connect(&model, &MapModel::showMoonChanged, &model,
                     [&preferences](bool on) { preferences.setObject(kMoonKey, on); });
    QObject::connect(&model, &MapModel::showTwilightLinesChanged, &model,
                     [&preferences](bool on) { preferences.setObject(kTwilightLinesKey, on); });
}

} // namespace PreferencesBinding
