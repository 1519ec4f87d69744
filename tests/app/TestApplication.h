#pragma once

// The application as main() starts it, on resources, a preferences file and a
// clock of the test's own.

#include "TestResources.h"
#include "app/MainWindow.h"
#include "model/MapModel.h"
#include "model/PreferencesBinding.h"
#include "platform/Clock.h"
#include "platform/Preferences.h"
#include "platform/Resources.h"

#include <QLabel>
#include <QSettings>
#include <QTest>

#include <functional>
#include <memory>

struct TestApplication
{
    /// Headless: as the snapshot and readout modes start; Bound: the model kept
    /// stored, no window; Window: as the window starts.
    enum Start
    {
        Headless,
        Bound,
        Window
    };

    QTemporaryDir dir;
    ManualClock clock;
    std::unique_ptr<Preferences> preferences;
    std::unique_ptr<Resources> resources;
    std::unique_ptr<MapModel> model;
    std::unique_ptr<MainWindow> window;

    /// Writes the zone table and the preferences file's text, lets the test
    /// alter the resources, then starts.
    TestApplication(const std::vector<TestZone> &zones, const QDateTime &now,
                    const QByteArray &preferencesFile = {}, Start start = Window,
                    const std::function<void(const QTemporaryDir &)> &alterResources = {})
        : clock(now)
    {
        QVERIFY(makeTestResources(dir, zones) && QDir(dir.path()).mkdir("config"));
        if (alterResources)
            alterResources(dir);
        const QString file = dir.filePath("config/duskmap.conf");
        QVERIFY(preferencesFile.isEmpty() || writeFile(file, preferencesFile));
        preferences = std::make_unique<Preferences>(file);
        resources = std::make_unique<Resources>(dir.path());
        PreferencesBinding::registerDefaults(*preferences);
        model = std::make_unique<MapModel>(TimeZoneTable::load(*resources), clock);
        PreferencesBinding::restore(*model, *preferences, start != Headless);
        if (start == Headless)
            return;
        PreferencesBinding::keepStored(*model, *preferences);
        if (start == Window)
            window = std::make_unique<MainWindow>(*model, *preferences, *resources, clock);
    }

    /// What a later run would read from the store.
    QVariant stored(const char *key) const
    {
        return QSettings(preferences->filePath(), QSettings::IniFormat).value(key);
    }
    template <typename T = QLabel> T *child(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    QString text(const char *label) const { return child(label)->text(); }
};
