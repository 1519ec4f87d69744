#include "model/Satellites.h"

#include "astro/PlaceSun.h"
#include "astro/SkyPositions.h"

#include <algorithm>
#include <cmath>

QList<int> catalogNumbersFrom(const QVariant &stored)
{
    QList<int> numbers;
    for (const QString &part :
         stored.toStringList().join(QLatin1Char(',')).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int number = part.trimmed().toInt(&ok);
        if (!ok || number <= 0 || number > orbits::kMaxAlpha5Number)
            return {kIssCatalogNumber};
        if (!numbers.contains(number))
            numbers.append(number);
    }
    return numbers;
}

QString ShownSatellite::name() const
{
    return elements.name.empty() ? QString::number(elements.catalogNumber)
                                 : QString::fromStdString(elements.name).trimmed();
}

void Satellites::setElementsFile(const QString &path)
{
    if (path == m_elementsFile)
        return;
    m_elementsFile = path;
    emit elementsFileChanged();
}

void Satellites::setReadMessage(const QString &message)
{
    m_readMessage = message;
}

const std::vector<orbits::ElementSet> &Satellites::elements() const
{
    static const std::vector<orbits::ElementSet> none;
    return m_elements ? *m_elements : none;
}

void Satellites::setElements(std::shared_ptr<const std::vector<orbits::ElementSet>> sets)
{
    m_elements = std::move(sets);
    pickShown();
    emit elementsChanged();
}

void Satellites::setChosen(const QList<int> &numbers)
{
    if (numbers == m_chosen)
        return;
    m_chosen = numbers;
    pickShown();
    emit chosenChanged();
}

void Satellites::setElevationMask(double degrees)
{
    degrees = std::clamp(degrees, kLowestElevationMask, kHighestElevationMask);
    if (degrees == m_elevationMask || std::isnan(degrees))
        return;
    m_elevationMask = degrees;
    emit elevationMaskChanged();
}

void Satellites::pickShown()
{
    m_shown.clear();
    for (const orbits::ElementSet &set : elements()) {
        // A file may hold a satellite twice; the first set is shown.
        const bool already =
            std::any_of(m_shown.begin(), m_shown.end(), [&set](const ShownSatellite &shown) {
                return shown.elements.catalogNumber == set.catalogNumber;
            });
        if (m_chosen.contains(set.catalogNumber) && !already)
            m_shown.push_back({set, orbits::Sgp4(set)});
    }
}

std::vector<SatelliteNow> Satellites::at(double unixSeconds, const std::optional<GeoPoint> &home,
                                         double homeElevationMetres) const
{
    std::vector<SatelliteNow> all;
    if (m_shown.empty())
        return all;
    const GeoPoint subsolar = astro::subsolarPoint(astro::utcInstantOf(unixSeconds));
    const bool homeDark =
        home && astro::horizontalFrom(*home, subsolar).altitudeDeg < orbits::kVisibleSunAltitudeDeg;
    const std::optional<orbits::Observer> observer =
        home ? std::optional(orbits::Observer(*home, homeElevationMetres)) : std::nullopt;
    for (const ShownSatellite &satellite : m_shown) {
        SatelliteNow now;
        now.satellite = &satellite;
        now.place = orbits::satellitePlace(satellite.sgp4, unixSeconds, subsolar);
        if (now.place.error != orbits::Sgp4Error::None)
            continue; // decayed, or too far from its epoch: nothing to show
        now.footprintRadiusKm = orbits::footprintRadiusKm(now.place.heightKm, m_elevationMask);
        now.elementAgeDays = (unixSeconds - satellite.elements.epochUnixSeconds) / 86400.0;
        now.stale = std::abs(now.elementAgeDays) > kStaleElementDays;
        now.visibleFromHome =
            homeDark && now.place.sunlit &&
            observer->look(now.place.earthFixedKm).elevationDeg >= m_elevationMask;
        all.push_back(now);
    }
    return all;
}

std::vector<orbits::Pass> passesOver(const ShownSatellite &satellite, const GeoPoint &home,
                                     double homeElevationMetres, double maskDeg,
                                     double fromUnixSeconds)
{
    return orbits::findPasses(satellite.sgp4, orbits::Observer(home, homeElevationMetres), maskDeg,
                              fromUnixSeconds, fromUnixSeconds + orbits::kPassSearchSeconds);
}
