#include "app/HeadlessModes.h"

#include "app/TimeLapse.h"

#include "model/MapModel.h"
#include "model/PreferencesBinding.h"
#include "model/ShownTexts.h"
#include "platform/Clock.h"
#include "platform/Resources.h"
#include "render/FrameRenderer.h"
#include "render/ImageWriter.h"

#include <QImageReader>

#include <memory>

namespace {
constexpr int kExitBadInput = 2;

MapGeometry presetFor(const CommandLineOptions &options)
{
    return options.size == CommandLineOptions::MapSize::Large ? kLargePreset : kSmallPreset;
}

/// The model as the window would start it, at the instant and in the zone the
/// options ask for; nothing on bad input, with one line on err.
std::unique_ptr<MapModel> modelFor(const CommandLineOptions &options, Preferences &preferences,
                                   const Resources &resources, const Clock &clock, QTextStream &err)
{
    auto model = std::make_unique<MapModel>(TimeZoneTable::load(resources), clock);
    model->setShownInstant(options.at.value_or(clock.now()));
    PreferencesBinding::restore(*model, preferences, false);
    if (options.zone.isEmpty())
        return model;
    // The zones offered are those of the window's pop-up.
    if (!model->offeredZones().contains(options.zone)) {
        err << "duskmap: unknown time zone \"" << options.zone
            << "\" (duskmap --list-zones lists the zones)\n";
        return nullptr;
    }
    model->selectZone(options.zone);
    return model;
}

bool readUserImage(const QString &path, const char *what, QImage &image, QTextStream &err)
{
    QImageReader reader(path);
    image = reader.read();
    if (image.isNull()) {
        err << "duskmap: cannot read the " << what << " image \"" << path
            << "\": " << reader.errorString() << "\n";
        return false;
    }
    return true;
}
} // namespace

int runSnapshot(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &err)
{
    const QString path = options.outputPath;
    const std::optional<ImageFileFormat> format = imageFileFormatFor(path);
    if (!format && !options.timeLapse) {
        err << "duskmap: cannot tell the image format of \"" << path
            << "\": name it .png, .jpg or .jpeg\n";
        return kExitBadInput;
    }
    const std::unique_ptr<MapModel> model = modelFor(options, preferences, resources, clock, err);
    if (!model)
        return kExitBadInput;
    CustomImages images;
    if (!options.dayImagePath.isEmpty() &&
        !readUserImage(options.dayImagePath, "day", images.day, err))
        return kExitBadInput;
    if (!options.nightImagePath.isEmpty() &&
        !readUserImage(options.nightImagePath, "night", images.night, err))
        return kExitBadInput;
    if (options.grid)
        model->setShowGrid(true);
    if (options.locations)
        model->setShowLocations(true);
    if (options.sun)
        model->setShowSun(true);
    if (options.moon)
        model->setShowMoon(true);
    if (options.twilightLines)
        model->setShowTwilightLines(true);
    if (options.timeLapse)
        return runTimeLapse(options, *model, resources, images, err);

    FrameRenderer renderer(resources);
    renderer.images().setCustomDayImage(images.day);
    renderer.images().setCustomNightImage(images.night);
    const MapGeometry size = presetFor(options);
    const QImage &frame = renderer.render(*model, QSize(size.mapWidth, size.mapHeight));
    const QString reason = writeImageFile(frame, path, *format);
    if (!reason.isEmpty()) {
        err << "duskmap: cannot write \"" << path << "\": " << reason << "\n";
        return kExitBadInput;
    }
    return 0;
}

int runReadouts(const CommandLineOptions &options, Preferences &preferences,
                const Resources &resources, const Clock &clock, QTextStream &out, QTextStream &err)
{
    const std::unique_ptr<MapModel> model = modelFor(options, preferences, resources, clock, err);
    if (!model)
        return kExitBadInput;
    const ClockTexts time = clockTexts(*model);
    const PlaceTexts place = placeTexts(*model, presetFor(options));
    out << time.time << "\n"
        << time.date << "\n"
        << place.sunrise << "\n"
        << place.sunset << "\n"
        << place.latitude << "\n"
        << place.longitude << "\n";
    return 0;
}

int runListZones(const Resources &resources, QTextStream &out)
{
    out << zoneListing(TimeZoneTable::load(resources));
    return 0;
}
