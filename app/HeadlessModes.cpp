#include "app/HeadlessModes.h"

#include "app/TimeLapse.h"

#include "model/MapModel.h"
#include "model/PreferencesBinding.h"
#include "model/ReadoutsJson.h"
#include "model/ShownTexts.h"
#include "platform/Clock.h"
#include "platform/Resources.h"
#include "render/FrameRenderer.h"
#include "render/ImageWriter.h"

#include "zones/ZoneSearch.h"

#include <QImageReader>
#include <QJsonDocument>

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
    if (options.zone.isEmpty() && options.pins.isEmpty())
        return model;
    // The zones offered are those of the window's pop-up.
    const ZoneCountries countries = loadZoneCountries();
    const auto zoneFor = [&](const QString &query, const char *option) {
        QStringList candidates;
        const QString zone = zoneNamedBy(query, model->offeredZones(), countries, &candidates);
        if (zone.isEmpty() && candidates.isEmpty()) {
            err << "duskmap: " << option << " \"" << query
                << "\" finds no time zone (duskmap --list-zones lists the zones)\n";
        } else if (zone.isEmpty()) {
            err << "duskmap: " << option << " \"" << query << "\" finds " << candidates.size()
                << " zones: " << candidates.mid(0, 5).join(QStringLiteral(", "))
                << (candidates.size() > 5 ? ", ..." : "") << "; name one\n";
        }
        return zone;
    };
    if (!options.zone.isEmpty()) {
        const QString zone = zoneFor(options.zone, "--zone");
        if (zone.isEmpty())
            return nullptr;
        model->selectZone(zone);
    }
    if (!options.pins.isEmpty()) {
        QStringList pins;
        for (const QString &query : options.pins) {
            const QString zone = zoneFor(query, "--pin");
            if (zone.isEmpty())
                return nullptr;
            pins.append(zone);
        }
        model->setPinnedZones(pins);
    }
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
    if (options.json) {
        // One line, as status bars read their scripts' output.
        out << QJsonDocument(readoutsJson(*model, presetFor(options)))
                   .toJson(QJsonDocument::Compact)
            << "\n";
        return 0;
    }
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

int runListZones(const CommandLineOptions &options, const Resources &resources, QTextStream &out)
{
    const TimeZoneTable table = TimeZoneTable::load(resources);
    if (options.zoneQuery.isEmpty()) {
        out << zoneListing(table);
        return 0;
    }
    // The listing's lines of the zones found, best first.
    QHash<QString, QString> lines;
    for (const QString &line : zoneListing(table).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines.insert(line.section(QLatin1Char('\t'), 0, 0), line);
    for (const QString &zone :
         findZones(options.zoneQuery, table.validSortedNames(), loadZoneCountries()))
        out << lines.value(zone) << "\n";
    return 0;
}
