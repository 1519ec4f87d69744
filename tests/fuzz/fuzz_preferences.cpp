// Writes arbitrary bytes as the preferences file, opens the store on it, reads the
// keys the program reads and writes one back, as a start-up followed by a change.
#include "model/StoredZoneList.h"
#include "platform/Preferences.h"
#include "tests/fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRect>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {
// Lives until exit, so that libFuzzer's per-input leak check sees no new memory.
QTemporaryDir *g_root = nullptr;
quint64 g_inputCount = 0;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    silenceQtMessages();
    // Qt relies on an application when it decodes some stored values.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    g_root = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/fuzz_preferences-XXXXXX"));
    if (!g_root->isValid())
        std::abort();
    std::atexit([] { delete g_root; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The store is a few hundred bytes in practice.
    if (size > 64 * 1024)
        return -1;
    // A directory per input: QSettings caches files by name and could miss a rewrite
    // within the same millisecond.
    const QString dirPath = g_root->filePath(QString::number(++g_inputCount));
    const QString filePath = dirPath + QStringLiteral("/duskmap.conf");
    QFile file(filePath);
    if (!QDir().mkpath(dirPath) || !file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();

    const QString zone = QStringLiteral("Europe/Paris");
    const QString zoneKey = QStringLiteral("DefaultTimeZone");
    {
        Preferences preferences(filePath);
        preferences.registerDefaults({{zoneKey, QStringLiteral("UTC")},
                                      {QStringLiteral("ShowLatLon"), false},
                                      {QStringLiteral("ShowLocations"), true}});
        (void)preferences.stringForKey(zoneKey);
        (void)preferences.boolForKey(QStringLiteral("ShowLatLon"));
        (void)preferences.boolForKey(QStringLiteral("ShowLocations"));
        // The window reads its frame as a rectangle.
        (void)preferences.objectForKey(QStringLiteral("MainWindow")).toRect();
        preferences.setObject(zoneKey, zone);
        FUZZ_CHECK(preferences.stringForKey(zoneKey) == zone);
        // The pinned zones: whatever the file holds, at most twelve texts, and
        // the list written back reads back.
        const QString pinsKey = QStringLiteral("PinnedTimeZones");
        FUZZ_CHECK(storedZoneList(preferences.objectForKey(pinsKey), pinsKey, 12).size() <= 12);
        const QStringList pins{QStringLiteral("Asia/Tokyo"), QStringLiteral("UTC")};
        preferences.setObject(pinsKey, pins);
        FUZZ_CHECK(storedZoneList(preferences.objectForKey(pinsKey), pinsKey, 12) == pins);
    }
    // What was written reads back in the next session, unless that session found
    // values it does not read in the file Qt rewrote and kept it aside.
    FUZZ_CHECK(Preferences(filePath).stringForKey(zoneKey) == zone ||
               QFile::exists(filePath + QStringLiteral(".corrupt")));
    QDir(dirPath).removeRecursively();
    return 0;
}
