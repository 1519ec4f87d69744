#pragma once

// The satellites the map shows: the element sets read from the user's file,
// the ones chosen by catalogue number, the elevation mask their footprints
// and passes use, and where each chosen one is at an instant.

#include "astro/GeoPoint.h"
#include "orbits/ElementSet.h"
#include "orbits/Passes.h"
#include "orbits/SatellitePlace.h"
#include "orbits/Sgp4.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

/// The International Space Station, chosen until the user chooses others.
inline constexpr int kIssCatalogNumber = 25544;
/// Elements older than this are drawn as stale: SGP4's error grows by some
/// kilometres a day, and after two weeks a low satellite may be far off.
inline constexpr double kStaleElementDays = 14.0;
/// The elevation masks the preferences and the command line take, degrees.
inline constexpr double kLowestElevationMask = 0.0;
inline constexpr double kHighestElevationMask = 80.0;

/// The catalogue numbers as the preferences keep them, "25544,48274"; the
/// ISS alone for a text that holds anything else.
QList<int> catalogNumbersFrom(const QVariant &stored);

/// A chosen satellite found in the file, its propagator set up once.
struct ShownSatellite
{
    orbits::ElementSet elements;
    orbits::Sgp4 sgp4;
    /// Its name on the map: the set's name, else its catalogue number.
    QString name() const;
};

/// A shown satellite at an instant.
struct SatelliteNow
{
    const ShownSatellite *satellite = nullptr;
    orbits::SatellitePlace place;
    double footprintRadiusKm = 0.0;
    double elementAgeDays = 0.0;
    bool stale = false;
    /// Sunlit, above the mask at home, and the Sun below civil twilight there.
    bool visibleFromHome = false;
};

class Satellites : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QList<int> chosen READ chosen WRITE setChosen NOTIFY chosenChanged)
    Q_PROPERTY(
        double elevationMask READ elevationMask WRITE setElevationMask NOTIFY elevationMaskChanged)

public:
    using QObject::QObject;

    /// The file of elements the user chose; empty for none.
    QString elementsFile() const { return m_elementsFile; }
    void setElementsFile(const QString &path);
    /// What reading it last said, for the user: why nothing was read, or the
    /// records skipped; empty when all went well.
    QString readMessage() const { return m_readMessage; }
    void setReadMessage(const QString &message);

    /// Every set in the file, in its order; empty while none is read.
    const std::vector<orbits::ElementSet> &elements() const;
    /// Replaces the sets at once, as a new read of the file gives them.
    void setElements(std::shared_ptr<const std::vector<orbits::ElementSet>> sets);

    /// The catalogue numbers chosen, whether the file has them or not.
    QList<int> chosen() const { return m_chosen; }
    void setChosen(const QList<int> &numbers);
    /// The chosen ones the file has, in the file's order.
    const std::vector<ShownSatellite> &shown() const { return m_shown; }

    double elevationMask() const { return m_elevationMask; }
    void setElevationMask(double degrees);

    /// A shown satellite's next pass over a place: the one under way at the
    /// instant, else the next to rise; none within kPassSearchSeconds.
    struct NextPass
    {
        const ShownSatellite *satellite = nullptr;
        std::optional<orbits::Pass> pass;
    };
    /// Each shown satellite's next pass over home, in the shown ones' order.
    /// A pass found is kept until it ends, so that the texts refreshed every
    /// minute search again only for the satellites that have passed.
    std::vector<NextPass> nextPasses(const GeoPoint &home, double homeElevationMetres,
                                     double fromUnixSeconds) const;

    /// Where each shown satellite is at an instant, and how it stands; the
    /// home, when set, tells which can be seen from there.
    std::vector<SatelliteNow> at(double unixSeconds, const std::optional<GeoPoint> &home,
                                 double homeElevationMetres = 0.0) const;

signals:
    void elementsFileChanged();
    void elementsChanged();
    void chosenChanged();
    void elevationMaskChanged();

private:
    void pickShown();

    QString m_elementsFile;
    QString m_readMessage;
    std::shared_ptr<const std::vector<orbits::ElementSet>> m_elements;
    QList<int> m_chosen{kIssCatalogNumber};
    std::vector<ShownSatellite> m_shown;
    double m_elevationMask = 0.0;
    /// What nextPasses found, for the home it was asked about; cleared by
    /// every change of the shown satellites or the mask.
    struct KeptPass
    {
        double searchedFrom = 0.0;
        std::optional<orbits::Pass> pass;
    };
    mutable std::vector<KeptPass> m_keptPasses;
    mutable std::optional<GeoPoint> m_keptHome;
    mutable double m_keptHomeMetres = 0.0;
};

/// The passes over a place from an instant over the coming days the passes
/// are searched for.
std::vector<orbits::Pass> passesOver(const ShownSatellite &satellite, const GeoPoint &home,
                                     double homeElevationMetres, double maskDeg,
                                     double fromUnixSeconds);
/// The first of passesOver, found in steps of a few hours so that its cost
/// grows with the wait rather than with the whole span searched.
std::optional<orbits::Pass> nextPassOver(const ShownSatellite &satellite, const GeoPoint &home,
                                         double homeElevationMetres, double maskDeg,
                                         double fromUnixSeconds);

/// A satellite's elements' age as people read it, "2.3 days", and "stale"
/// past kStaleElementDays.
QString elementAgeText(double ageDays);
/// What the map's tooltip says of a satellite: its name and number, height
/// and footprint, its light and the colour that stands for it, and its
/// elements' age.
QString satelliteDetails(const SatelliteNow &now);
