// Splits arbitrary bytes into arguments at NUL bytes and parses them as the program's command line.
#include "app/CommandLine.h"
#include "app/FramePattern.h"
#include "places/PlaceText.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 4096)
        return -1;
    QStringList arguments;
    const char *text = reinterpret_cast<const char *>(data);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            // The program reads its arguments as UTF-8, as the C.UTF-8 locale does.
            arguments << QString::fromUtf8(text + start, qsizetype(i - start));
            start = i + 1;
        }
    }

    const CommandLineResult result = parseCommandLine(arguments);
    // Either good, or an error of one line with no control characters.
    for (const QChar c : result.error)
        FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() != 0x7f);
    if (!result.ok())
        return 0;

    using Mode = CommandLineOptions::Mode;
    const CommandLineOptions &options = result.options;
    FUZZ_CHECK(options.mode != Mode::Snapshot || !options.outputPath.isEmpty());
    if (options.at)
        FUZZ_CHECK(options.at->isValid() && options.at->toUTC().date() >= QDate(1900, 3, 1) &&
                   options.at->toUTC().date() <= QDate(2100, 2, 28));
    if (options.eclipseYears)
        FUZZ_CHECK(options.mode == Mode::ListEclipses && options.eclipseYears->first >= 1900 &&
                   options.eclipseYears->first <= options.eclipseYears->second &&
                   options.eclipseYears->second <= 2100);
    FUZZ_CHECK(options.pins.size() <= 12 && !(options.noPins && !options.pins.isEmpty()));
    for (const std::optional<bool> &layer : options.layers)
        FUZZ_CHECK(!layer || options.mode == Mode::Snapshot || options.mode == Mode::Wallpaper);
    if (options.json)
        FUZZ_CHECK(options.mode == Mode::Readouts || options.mode == Mode::ListEclipses);
    if (!options.pins.isEmpty())
        FUZZ_CHECK(options.mode == Mode::Readouts || options.mode == Mode::Snapshot ||
                   options.mode == Mode::Wallpaper);
    FUZZ_CHECK(!options.size.isValid() ||
               (options.size.width() >= 64 && options.size.width() <= 16384 &&
                options.size.height() >= 32 && options.size.height() <= 8192));
    // Refreshes show the time they are made, at most once a minute; the wallpaper always refreshes.
    FUZZ_CHECK((options.mode == Mode::Wallpaper) <= options.everySeconds.has_value());
    if (options.everySeconds)
        FUZZ_CHECK(*options.everySeconds >= 60 && !options.at && !options.timeLapse &&
                   (options.mode == Mode::Snapshot || options.mode == Mode::Wallpaper));
    for (const QString &query : options.pins + QStringList{options.zone, options.zoneQuery})
        FUZZ_CHECK(query.isEmpty() || !query.trimmed().isEmpty());
    for (const auto &place : options.places)
        FUZZ_CHECK(!place ||
                   (place->parsed.kind != places::PlaceText::Kind::Invalid &&
                    place->parsed.kind == places::parsePlaceText(place->text.toStdString()).kind));
    FUZZ_CHECK(!options.homeElevation ||
               (*options.homeElevation >= -500 && *options.homeElevation <= 9000));
    if (const auto &band = options.greyLineBand)
        FUZZ_CHECK(band->low < band->high && band->low >= -18 && band->high <= 18);
    FUZZ_CHECK((options.mode != Mode::Help && options.mode != Mode::Version) ||
               arguments.size() == 1);
    FUZZ_CHECK(options.mode != Mode::Snapshot || options.format);
    // WebP holds no wider image; a time-lapse's frames are as wide as its map.
    FUZZ_CHECK(options.format != ImageFileFormat::Webp || options.mapSize().width() <= 16383);
    FUZZ_CHECK(!options.quality ||
               (*options.quality >= 0 && *options.quality <= 100 && options.timeLapse));
    if (const auto &lapse = options.timeLapse) {
        FUZZ_CHECK(options.mode == Mode::Snapshot && !options.at && lapse->stepSeconds >= 1);
        FUZZ_CHECK(lapse->from.isValid() && lapse->to.isValid() && lapse->from <= lapse->to);
        FUZZ_CHECK(lapse->frameCount >= 1 && lapse->frameCount <= 100000);
        // The last frame lies within the span, and one more step would not.
        const QDateTime last = lapse->from.addSecs((lapse->frameCount - 1) * lapse->stepSeconds);
        FUZZ_CHECK(last <= lapse->to && last.addSecs(lapse->stepSeconds) > lapse->to);
        FUZZ_CHECK(lapse->fps >= 1 && lapse->fps <= 60);
        // A good frame pattern leaves no field unfilled ("%%d" writes a literal one),
        // and frames get names of their own.
        const QString first = frameFileName(options.outputPath, 0);
        FUZZ_CHECK(lapse->animation ||
                   ((!first.contains(QLatin1String("%d")) ||
                     options.outputPath.contains(QLatin1String("%%d"))) &&
                    (lapse->frameCount == 1 ||
                     first != frameFileName(options.outputPath, lapse->frameCount - 1))));
    }
    return 0;
}
