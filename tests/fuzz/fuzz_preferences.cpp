// Arbitrary bytes as the preferences file: a start-up reading the program's keys, then a change.
#include "model/HomeAndTarget.h"
#include "model/Satellites.h"
#include "model/StoredZoneList.h"
#include "model/WeatherSources.h"
#include "platform/Preferences.h"
#include "tests/fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRect>
#include <QTemporaryDir>

#include <cmath>

namespace {
// Lives until exit, so that libFuzzer's per-input leak check sees no new memory.
QTemporaryDir *g_root = nullptr;
quint64 g_inputCount = 0;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Qt needs an application to decode some stored values.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    g_root = new QTemporaryDir(QDir::tempPath() + "/fuzz_preferences-XXXXXX");
    if (!g_root->isValid())
        std::abort();
    std::atexit([] { delete g_root; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 64 * 1024)
        return -1;
    // A directory per input: QSettings caches files by name and could miss a rewrite
    // within the same millisecond.
    const QString dirPath = g_root->filePath(QString::number(++g_inputCount)),
                  path = dirPath + "/duskmap.conf", zone = "Europe/Paris";
    QFile file(path);
    if (!QDir().mkpath(dirPath) || !file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    {
        Preferences preferences(path);
        preferences.registerDefaults(
            {{"DefaultTimeZone", "UTC"}, {"ShowLatLon", false}, {"ShowLocations", true}});
        (void)preferences.stringForKey("DefaultTimeZone");
        (void)preferences.boolForKey("ShowLatLon");
        (void)preferences.boolForKey("ShowLocations");
        (void)preferences.objectForKey("MainWindow").toRect();
        // Home, target and the grey line's band, as typed or kept.
        for (const char *key : {"HomePlace", "TargetPlace"}) {
            const places::PlaceResult place = placeNamedBy(preferences.stringForKey(key));
            FUZZ_CHECK(!place.ok || (std::fabs(place.place.point.latitude) <= 90.0 &&
                                     std::fabs(place.place.point.longitude) <= 180.0));
        }
        if (const auto band = greyLineBandFrom(preferences.stringForKey("GreyLineBand")))
            FUZZ_CHECK(-kGreyLineLimit <= band->low && band->low < band->high &&
                       band->high <= kGreyLineLimit);
        for (const int number : catalogNumbersFrom(preferences.objectForKey("SatellitesShown")))
            FUZZ_CHECK(number > 0 && number <= orbits::kMaxAlpha5Number);
        // The weather files' paths, which the window watches: text or nothing.
        for (const WeatherSourceInfo &source : kWeatherSources)
            (void)preferences.stringForKey(QLatin1String(source.storedKey));
        preferences.setObject("DefaultTimeZone", zone);
        FUZZ_CHECK(preferences.stringForKey("DefaultTimeZone") == zone);
        const QString pinsKey = QStringLiteral("PinnedTimeZones");
        FUZZ_CHECK(storedZoneList(preferences.objectForKey(pinsKey), pinsKey, 12).size() <= 12);
        const QStringList pins{QStringLiteral("Asia/Tokyo"), QStringLiteral("UTC")};
        preferences.setObject(pinsKey, pins);
        FUZZ_CHECK(storedZoneList(preferences.objectForKey(pinsKey), pinsKey, 12) == pins);
    }
    // What was written reads back next time, unless that session found values it does
    // not read in the file Qt rewrote and kept it aside.
    FUZZ_CHECK(Preferences(path).stringForKey("DefaultTimeZone") == zone ||
               QFile::exists(path + ".corrupt"));
    QDir(dirPath).removeRecursively();
    return 0;
}
