#include "model/PreferencesBinding.h"

#include "model/MapLayer.h"
#include "model/MapModel.h"
#include "model/MapViews.h"
#include "model/StoredZoneList.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "zones/TimeZones.h"

namespace {
const QString kZoneKey = QStringLiteral("DefaultTimeZone");
const QString kPinnedZonesKey = QStringLiteral("PinnedTimeZones");
const QString kViewKey = QStringLiteral("Projection");
const QString kCentreKey = QStringLiteral("ProjectionCentre");
const QString kElevationKey = QStringLiteral("HomeElevation");
const QString kGreyLineKey = QStringLiteral("GreyLineBand");
const QString kSatelliteFileKey = QStringLiteral("SatelliteElementsFile");
const QString kSatellitesShownKey = QStringLiteral("SatellitesShown");
const QString kSatelliteMaskKey = QStringLiteral("SatelliteElevationMask");
} // namespace

namespace PreferencesBinding {

void registerDefaults(Preferences &preferences)
{
    QVariantMap defaults{{kZoneKey, systemTimeZoneName()},
                         {kViewKey, QLatin1String(viewInfo(MapView::PlateCarree).name)},
                         {kCentreKey, QString()},
                         {kElevationKey, 0.0},
                         {kGreyLineKey, greyLineBandText(GreyLineBand{})},
                         {kSatelliteFileKey, QString()},
                         {kSatellitesShownKey, QString::number(kIssCatalogNumber)},
                         {kSatelliteMaskKey, 0.0}};
    for (const MapLayerInfo &layer : kMapLayers)
        defaults.insert(QLatin1String(layer.storedKey), layer.shownByDefault);
    for (const PlaceEndInfo &end : kPlaceEnds)
        defaults.insert(QLatin1String(end.storedKey), QString());
    for (const WeatherSourceInfo &source : kWeatherSources)
        defaults.insert(QLatin1String(source.storedKey), QString());
    preferences.registerDefaults(defaults);
}

void restore(MapModel &model, Preferences &preferences, bool storeFallback)
{
    for (const MapLayerInfo &layer : kMapLayers)
        model.setLayerShown(layer.layer, preferences.boolForKey(QLatin1String(layer.storedKey)));

    // A view or centre this version cannot read leaves the default in place.
    model.setView(mapViewNamed(preferences.stringForKey(kViewKey)).value_or(MapView::PlateCarree));
    model.setChosenCentre(parseCentre(preferences.stringForKey(kCentreKey)));

    // A stored place this version cannot read, or a city no longer listed, is
    // logged and left unset.
    for (const PlaceEndInfo &end : kPlaceEnds) {
        const QString text = preferences.stringForKey(QLatin1String(end.storedKey));
        if (text.isEmpty())
            continue;
        places::PlaceResult found = placeNamedBy(text);
        if (found.ok)
            model.setPlace(end.end, ChosenPlace{text, std::move(found.place)});
        else
            logLine(QStringLiteral("Stored %1 cannot be used: %2")
                        .arg(QLatin1String(end.storedKey),
                             placeProblemText(found.problem, text, TextLanguage::English)));
    }

    bool elevationOk = false;
    const double elevation = preferences.objectForKey(kElevationKey).toDouble(&elevationOk);
    if (elevationOk && elevation >= kLowestElevation && elevation <= kHighestElevation)
        model.setHomeElevation(elevation);
    model.setGreyLineBand(
        greyLineBandFrom(preferences.stringForKey(kGreyLineKey)).value_or(GreyLineBand{}));

    Satellites &satellites = model.satellites();
    satellites.setElementsFile(preferences.stringForKey(kSatelliteFileKey));
    satellites.setChosen(catalogNumbersFrom(preferences.objectForKey(kSatellitesShownKey)));
    bool maskOk = false;
    const double mask = preferences.objectForKey(kSatelliteMaskKey).toDouble(&maskOk);
    if (maskOk && mask >= kLowestElevationMask && mask <= kHighestElevationMask)
        satellites.setElevationMask(mask);
    for (const WeatherSourceInfo &source : kWeatherSources)
        model.setWeatherFile(source.source,
                             preferences.stringForKey(QLatin1String(source.storedKey)));

    const QStringList pins = storedZoneList(preferences.objectForKey(kPinnedZonesKey),
                                            kPinnedZonesKey, MapModel::kMaxPinnedZones);
    QStringList knownPins;
    for (const QString &pin : std::as_const(pins)) {
        if (model.offersZone(pin))
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
    QObject::connect(&model, &MapModel::placesChanged, &model, [&model, &preferences] {
        for (const PlaceEndInfo &end : kPlaceEnds) {
            const auto &place = model.place(end.end);
            const QString text = place ? place->text : QString();
            if (preferences.stringForKey(QLatin1String(end.storedKey)) != text)
                preferences.setObject(QLatin1String(end.storedKey), text);
        }
        if (preferences.objectForKey(kElevationKey).toDouble() != model.homeElevation())
            preferences.setObject(kElevationKey, model.homeElevation());
        const QString band = greyLineBandText(model.greyLineBand());
        if (preferences.stringForKey(kGreyLineKey) != band)
            preferences.setObject(kGreyLineKey, band);
    });
    const Satellites &satellites = model.satellites();
    QObject::connect(&satellites, &Satellites::elementsFileChanged, &model,
                     [&satellites, &preferences] {
                         preferences.setObject(kSatelliteFileKey, satellites.elementsFile());
                     });
    QObject::connect(&satellites, &Satellites::chosenChanged, &model, [&satellites, &preferences] {
        QStringList numbers;
        for (const int number : satellites.chosen())
            numbers.append(QString::number(number));
        preferences.setObject(kSatellitesShownKey, numbers.join(QLatin1Char(',')));
    });
    QObject::connect(&satellites, &Satellites::elevationMaskChanged, &model,
                     [&satellites, &preferences] {
                         preferences.setObject(kSatelliteMaskKey, satellites.elevationMask());
                     });
    QObject::connect(&model, &MapModel::weatherFilesChanged, &model, [&model, &preferences] {
        for (const WeatherSourceInfo &source : kWeatherSources) {
            const QString key = QLatin1String(source.storedKey);
            if (preferences.stringForKey(key) != model.weatherFile(source.source))
                preferences.setObject(key, model.weatherFile(source.source));
        }
    });
    QObject::connect(&model, &MapModel::viewChanged, &model, [&model, &preferences] {
        if (model.isCentreMoving())
            return; // stored once the drag ends
        preferences.setObject(kViewKey, QLatin1String(viewInfo(model.view()).name));
        const auto centre = model.chosenCentre();
        preferences.setObject(kCentreKey, centre ? centreText(*centre) : QString());
    });
}

} // namespace PreferencesBinding
