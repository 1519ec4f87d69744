#pragma once

#include <QMainWindow>
#include <QTimer>

#include <memory>

namespace Ui {
class MainWindow;
}
class Clock;
class QComboBox;
class QLabel;
class MapView;
class Preferences;
class Resources;

/// The main window: the map view above the readouts, built from the interface
/// description. It remembers its frame in the preferences.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(Preferences &preferences, const Clock &clock, const Resources &resources,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    Ui::MainWindow &ui() { return *m_ui; }
    MapView *mapView() const { return m_mapView; }
    QComboBox *zonePopUp() const;
    QLabel *timeField() const;
    QLabel *dateField() const;

    /// From now on the window's frame is stored under this name whenever it changes.
    void setFrameAutosaveName(const QString &name);
    /// Restores the frame stored under a name; false when none was stored.
    bool setFrameUsingName(const QString &name);
    /// Sizes the window for a map of this size: the map's width, 97 pixels more
    /// than its height, not resizable by hand.
    void fitToMap(int mapWidth, int mapHeight);

protected:
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void saveFrame();
    void showAbout();

    Preferences &m_preferences;
    std::unique_ptr<Ui::MainWindow> m_ui;
    MapView *m_mapView = nullptr;
    QString m_frameAutosaveName;
    QTimer m_frameSaveTimer;
};
