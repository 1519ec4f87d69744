#include "app/Snapshot.h"

#include "app/MyController.h"
#include "platform/Clock.h"
#include "platform/Preferences.h"
#include "platform/Resources.h"
#include "zones/TimeZones.h"
#include "widgets/MapView.h"
#include "readouts/ReadoutTexts.h"
#include "zones/TimeZoneTable.h"

#include <QComboBox>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QSaveFile>
#include <QSlider>

#include <memory>

namespace {
constexpr int kExitBadInput = 2;
constexpr int kJpegBestQuality = 100;
// Qt turns a PNG quality q into zlib level (100 - q) * 9 / 91: 80 is level 1,
// within a fifth of the smallest file of these maps in a twentieth of the time.
constexpr int kPngCompressionQuality = 80;

/// The map view as the window sets it up, without a window: its pop-up holds
/// the valid zones, the chosen one selected, and the marker on its place.
struct HeadlessMap
{
    QComboBox popUp;
    QLabel sunrise, sunset, latitude, longitude;
    QSlider slider;
    MapView view;

    HeadlessMap(Preferences &preferences, const Clock &clock, const Resources &resources,
                const MapGeometry &size)
        : view(preferences, clock, resources, QSizeF(size.mapWidth, size.mapHeight))
    {
        view.setFixedSize(size.mapWidth, size.mapHeight);
        view.setOutlets(&popUp, &sunrise, &sunset, &latitude, &longitude, &slider);
        view.awakeFromNib();
        popUp.addItems(view.timeZoneDictionary().validSortedNames());
    }

    void select(const QString &zoneName)
    {
        popUp.setCurrentIndex(popUp.findText(zoneName, Qt::MatchExactly));
        MyController::placeMarker(view, view.timeZoneDictionary().placeOf(popUp.currentText()));
    }
};

struct Setup
{
    std::unique_ptr<ManualClock> clock;
    std::unique_ptr<HeadlessMap> map;
};

/// Builds the headless map for the options; on bad input writes one line to
/// err and returns nothing.
std::optional<Setup> setUp(const CommandLineOptions &options, Preferences &preferences,
                           const Resources &resources, const Clock &clock, QTextStream &err)
{
    Setup setup;
    setup.clock = std::make_unique<ManualClock>(options.at.value_or(clock.now()));
    const MapGeometry size =
        options.size == CommandLineOptions::MapSize::Large ? kLargePreset : kSmallPreset;
    setup.map = std::make_unique<HeadlessMap>(preferences, *setup.clock, resources, size);
    QString zoneName;
    if (!options.zone.isEmpty()) {
        // The zones offered are those of the pop-up.
        if (setup.map->popUp.findText(options.zone, Qt::MatchExactly) < 0) {
            err << "duskmap: unknown time zone \"" << options.zone
                << "\" (duskmap --list-zones lists the zones)\n";
            return std::nullopt;
        }
        zoneName = options.zone;
    } else {
        zoneName = MyController::initialZoneName(preferences);
    }
    setup.map->select(zoneName);
    return setup;
}

std::optional<QImage> readUserImage(const QString &path, const char *what, QTextStream &err)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        err << "duskmap: cannot read the " << what << " image \"" << path
            << "\": " << reader.errorString() << "\n";
        return std::nullopt;
    }
    return image;
}
} // namespace

int runSnapshot(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &out, QTextStream &err)
{
    const QString path = options.outputPath;
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray format;
    if (suffix == QLatin1String("png"))
        format = "png";
    else if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        format = "jpeg";
    else {
        err << "duskmap: cannot tell the image format of \"" << path
            << "\": name it .png, .jpg or .jpeg\n";
        return kExitBadInput;
    }

    std::optional<Setup> setup = setUp(options, preferences, resources, clock, err);
    if (!setup)
        return kExitBadInput;
    MapView &view = setup->map->view;
    if (!options.dayImagePath.isEmpty()) {
        const auto image = readUserImage(options.dayImagePath, "day", err);
        if (!image)
            return kExitBadInput;
        view.images().setCustomDayImage(*image);
    }
    if (!options.nightImagePath.isEmpty()) {
        const auto image = readUserImage(options.nightImagePath, "night", err);
        if (!image)
            return kExitBadInput;
        view.images().setCustomNightImage(*image);
    }
    if (options.grid)
        view.setShowLatLonGrid(*options.grid);
    if (options.locations)
        view.setShowLocations(*options.locations);

    const QImage &frame = view.renderFrame(setup->clock->now());

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        err << "duskmap: cannot write \"" << path << "\": " << file.errorString() << "\n";
        return kExitBadInput;
    }
    QImageWriter writer(&file, format);
    writer.setQuality(format == "png" ? kPngCompressionQuality : kJpegBestQuality);
    const QImage image = format == "png" ? frame.convertToFormat(QImage::Format_RGB32) : frame;
    if (!writer.write(image)) {
        err << "duskmap: cannot write \"" << path << "\": " << writer.errorString() << "\n";
        file.cancelWriting();
        return kExitBadInput;
    }
    if (!file.commit()) {
        err << "duskmap: cannot write \"" << path << "\": " << file.errorString() << "\n";
        return kExitBadInput;
    }
    Q_UNUSED(out);
    return 0;
}

int runReadouts(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &out, QTextStream &err)
{
    std::optional<Setup> setup = setUp(options, preferences, resources, clock, err);
    if (!setup)
        return kExitBadInput;
    HeadlessMap &map = *setup->map;
    map.view.showStatistics();
    const auto [time, date] =
        MyController::clockTexts(map.popUp.currentText(), setup->clock->now());
    out << time << "\n"
        << date << "\n"
        << map.sunrise.text() << "\n"
        << map.sunset.text() << "\n"
        << map.latitude.text() << "\n"
        << map.longitude.text() << "\n";
    return 0;
}

int runListZones(const Resources &resources, QTextStream &out)
{
    out << zoneListing(TimeZoneTable::load(resources));
    return 0;
}
