#pragma once

// The whole application as main() starts it, on a resource root, a preference
// store and a clock of the test's own.

#include "TestResources.h"
#include "app/MainWindow.h"
#include "app/MyController.h"
#include "platform/Clock.h"
#include "platform/Preferences.h"
#include "platform/Resources.h"
#include "widgets/MapView.h"

#include <QComboBox>
#include <QSettings>
#include <QTest>

#include <functional>
#include <memory>

struct TestApplication
{
    QTemporaryDir dir;
    ManualClock clock;
    std::unique_ptr<Preferences> preferences;
    std::unique_ptr<Resources> resources;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<MyController> controller;

    /// Writes the zone table and the stored preferences, lets the test alter
    /// the resources, then starts the application.
    TestApplication(const std::vector<TestZone> &zones, const QDateTime &now,
                    const QVariantMap &stored = {},
                    const std::function<void(const QTemporaryDir &)> &alterResources = {})
        : clock(now)
    {
        QVERIFY(makeTestResources(dir, zones));
        if (alterResources)
            alterResources(dir);
        const QString file = dir.filePath("config/duskmap.conf");
        {
            QSettings settings(file, QSettings::IniFormat);
            for (auto it = stored.begin(); it != stored.end(); ++it)
                settings.setValue(it.key(), it.value());
        }
        preferences = std::make_unique<Preferences>(file);
        resources = std::make_unique<Resources>(dir.path());
        MyController::initialize(*preferences);
        window = std::make_unique<MainWindow>(*preferences, clock, *resources);
        controller = std::make_unique<MyController>(*preferences, clock, *resources);
        controller->setOutlets(window->zonePopUp(), window->timeField(), window->dateField(),
                               window->mapView());
        QObject::connect(window->mapView(), &MapView::zoneItemChosen, controller.get(),
                         &MyController::changeMapDot);
        window->mapView()->awakeFromNib();
        controller->awakeFromNib();
    }

    MapView &view() { return *window->mapView(); }
    QComboBox &popUp() { return *window->zonePopUp(); }
    /// What a later run would read from the store.
    QVariant stored(const char *key)
    {
        return QSettings(preferences->filePath(), QSettings::IniFormat).value(key);
    }
};
