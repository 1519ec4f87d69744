#include "model/Satellites.h"

#include "astro/PlaceSun.h"
#include "astro/SkyPositions.h"

#include <QCoreApplication>
#include <QLocale>

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
    m_keptPasses.clear();
    emit elevationMaskChanged();
}

void Satellites::pickShown()
{
    m_shown.clear();
    m_keptPasses.clear();
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

namespace {
/// The span nextPassOver searches at a time: a low satellite passes over most
/// places within a few hours.
constexpr double kNextPassStepSeconds = 3 * 3600.0;
/// How long a search that found no pass still answers: the span it covered
/// ends that much earlier than a new search's would.
constexpr double kNoPassKeptSeconds = 3600.0;
} // namespace

std::optional<orbits::Pass> nextPassOver(const ShownSatellite &satellite, const GeoPoint &home,
                                         double homeElevationMetres, double maskDeg,
                                         double fromUnixSeconds)
{
    const orbits::Observer observer(home, homeElevationMetres);
    const double horizon = fromUnixSeconds + orbits::kPassSearchSeconds;
    for (double start = fromUnixSeconds; start < horizon; start += kNextPassStepSeconds) {
        double end = std::min(start + kNextPassStepSeconds, horizon);
        const std::vector<orbits::Pass> passes =
            orbits::findPasses(satellite.sgp4, observer, maskDeg, start, end);
        if (passes.empty())
            continue;
        // A pass cut by the step's end goes on in the next steps, up from
        // their start, until it sets; a satellite always up goes on to the
        // horizon. One up at a later step's start would have been cut by the
        // step before.
        orbits::Pass pass = passes.front();
        while (pass.upAtEnd && end < horizon) {
            const double from = end;
            end = std::min(end + kNextPassStepSeconds, horizon);
            const std::vector<orbits::Pass> after =
                orbits::findPasses(satellite.sgp4, observer, maskDeg, from, end);
            // Set within the search's precision of the step's end.
            if (after.empty() || !after.front().upAtStart) {
                pass.upAtEnd = false;
                break;
            }
            const orbits::Pass &rest = after.front();
            if (rest.maxElevationDeg > pass.maxElevationDeg) {
                pass.maxElevationDeg = rest.maxElevationDeg;
                pass.culminationUnixSeconds = rest.culminationUnixSeconds;
                pass.culminationAzimuthDeg = rest.culminationAzimuthDeg;
            }
            pass.setUnixSeconds = rest.setUnixSeconds;
            pass.setAzimuthDeg = rest.setAzimuthDeg;
            pass.upAtEnd = rest.upAtEnd;
            pass.visible = pass.visible || rest.visible;
        }
        return pass;
    }
    return std::nullopt;
}

std::vector<Satellites::NextPass> Satellites::nextPasses(const GeoPoint &home,
                                                         double homeElevationMetres,
                                                         double fromUnixSeconds) const
{
    if (m_keptHome != home || m_keptHomeMetres != homeElevationMetres ||
        m_keptPasses.size() != m_shown.size()) {
        m_keptHome = home;
        m_keptHomeMetres = homeElevationMetres;
        m_keptPasses.assign(m_shown.size(), KeptPass{NAN, std::nullopt});
    }
    std::vector<NextPass> all;
    for (std::size_t i = 0; i < m_shown.size(); ++i) {
        KeptPass &kept = m_keptPasses[i];
        // What a search found holds from its start until its pass sets; the
        // shown instant may also go back, or jump past it.
        const bool holds = fromUnixSeconds >= kept.searchedFrom &&
                           (kept.pass ? fromUnixSeconds < kept.pass->setUnixSeconds
                                      : fromUnixSeconds < kept.searchedFrom + kNoPassKeptSeconds);
        if (!holds)
            kept = {fromUnixSeconds, nextPassOver(m_shown[i], home, homeElevationMetres,
                                                  m_elevationMask, fromUnixSeconds)};
        all.push_back({&m_shown[i], kept.pass});
    }
    return all;
}

QString elementAgeText(double ageDays)
{
    //: How old a satellite's orbital elements are; %1 a number of days such as 2.3
    QString text = QCoreApplication::translate("Satellites", "%1 days")
                       .arg(QLocale().toString(ageDays, 'f', 1));
    if (std::abs(ageDays) > kStaleElementDays)
        //: %1 an age in days, such as "20.0 days": elements too old to trust
        text = QCoreApplication::translate("Satellites", "%1, stale").arg(text);
    return text;
}

QString satelliteDetails(const SatelliteNow &now)
{
    const ShownSatellite &satellite = *now.satellite;
    QStringList lines;
    //: A satellite in the map's tooltip: %1 its name, %2 its catalogue number
    lines << QCoreApplication::translate("Satellites", "%1, catalogue number %2")
                 .arg(satellite.name(), QString::number(satellite.elements.catalogNumber));
    //: %1 the satellite's height above the ground, %2 the radius of the area that sees
    //: it above the elevation mask, both in kilometres
    lines << QCoreApplication::translate("Satellites", "%1 km high, seen up to %2 km away")
                 .arg(QLocale().toString(qlonglong(std::llround(now.place.heightKm))),
                      QLocale().toString(qlonglong(std::llround(now.footprintRadiusKm))));
    // The colours' meanings in the same words as the preferences' legend;
    // stale elements are drawn grey whatever the light.
    const int light = now.visibleFromHome ? 2 : now.place.sunlit ? 1 : 0;
    const char *const lights[3][2] = {
        //: How a satellite stands now; blue is its colour on the map
        {QT_TRANSLATE_NOOP("Satellites", "In the Earth's shadow"),
         QT_TRANSLATE_NOOP("Satellites", "In the Earth's shadow (blue)")},
        //: How a satellite stands now; gold is its colour on the map
        {QT_TRANSLATE_NOOP("Satellites", "Sunlit"),
         QT_TRANSLATE_NOOP("Satellites", "Sunlit (gold)")},
        //: The satellite can be seen by eye from home now; green is its colour on the map
        {QT_TRANSLATE_NOOP("Satellites", "Sunlit over home in the dark: to be seen by eye"),
         QT_TRANSLATE_NOOP("Satellites",
                           "Sunlit over home in the dark: to be seen by eye (green)")}};
    lines << QCoreApplication::translate("Satellites", lights[light][now.stale ? 0 : 1]);
    const QString days = QLocale().toString(std::abs(now.elementAgeDays), 'f', 1);
    if (now.stale)
        //: %1 the elements' age in days, such as 20.3; grey is the satellite's colour
        //: on the map while they are this old
        lines << QCoreApplication::translate("Satellites",
                                             "Elements %1 days old: stale, so it may be far "
                                             "from where it is drawn (grey)")
                     .arg(days);
    else if (now.elementAgeDays < 0.0)
        //: %1 days between the shown time and the later epoch of the orbital elements
        lines
            << QCoreApplication::translate("Satellites", "Elements dated %1 days later").arg(days);
    else
        //: %1 the age in days of the orbital elements its place is worked out from
        lines << QCoreApplication::translate("Satellites", "Elements %1 days old").arg(days);
    return lines.join(QLatin1Char('\n'));
}
