#pragma once

#include "model/MapLayer.h"
#include "model/WeatherSources.h"
#include "render/FrameRenderer.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace Ui {
class MainWindow;
}
class Clock;
class FactsPanel;
class MapModel;
class MapWidget;
class PreferencesDialog;
class Preferences;
class Resources;
class SecondTimer;
class TimeMachine;
class QAction;
class QLabel;
class WatchedFile;
class ZoneFinder;

/// The main window: the map above the zone box and the readouts, all
/// following the model. The window takes any size: the map keeps its 2:1
/// shape at the largest size that fits above the readouts, centred. It owns
/// the display-option actions that the View menu and the map's contextual
/// menu share, runs the clock and the map's periodic redraw, and remembers
/// its placement (place and size) in the preferences.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// How often the map and the sun readouts are brought up to date.
    static constexpr int kMapRefreshMs = 120 * 1000;
    /// How often the map is drawn again while it shows satellites: the ISS
    /// moves some forty kilometres in that time, a pixel or two.
    static constexpr int kSatelliteRefreshMs = 5 * 1000;
    /// The window is this many points taller than the map's area (the readouts
    /// below it), unless larger text needs more.
    static constexpr int kReadoutAreaHeight = 97;

    MainWindow(MapModel &model, Preferences &preferences, const Resources &resources,
               const Clock &clock, QWidget *parent = nullptr);
    ~MainWindow() override;

    MapWidget *mapWidget() const { return m_mapWidget; }
    ZoneFinder *zoneFinder() const { return m_zoneFinder; }

    /// Zooms in: from any size to the other map, exactly the small one's
    /// width to the large one and any other to the small, keeping the
    /// window's bottom-left corner where the screen allows. Zooming again
    /// puts the window back exactly where and as large as it was.
    void zoom();
    /// Writes the map as it shows now, one pixel a point, as a JPEG file
    /// (".jpg" is added when missing). Returns an empty string on success,
    /// else the message that says why not.
    QString exportJpeg(const QString &fileName);
    /// The window's height beyond the map's area: the menu bar, the readouts
    /// and the facts' rows.
    int belowMapHeight() const;

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    /// Sizes the window so that the map shows at this size, or as near as
    /// the screen allows.
    void fitToMap(int mapWidth, int mapHeight);
    /// The window's size before it is placed: the small map with the rows.
    void fitToSmallMap();
    /// The largest size the window takes: its screen's available area, less
    /// the window manager's frame.
    QSize largestSize() const;
    /// The window's frame moved as little as it takes to lie on its screen.
    QRect onScreen(QRect frame) const;
    /// Brings a shown window within its screen when its frame becomes known.
    void keepOnScreen();
    /// Width over height of the view's whole extent: 2 for the flat map.
    double viewAspect() const;
    /// Puts the map at the largest 2:1 size that fits the area above the
    /// readouts, centred; returns whether its size changed.
    bool placeMap();
    void restorePlacement();
    void savePlacement();
    void createDisplayActions();
    /// Zoom, Full Screen, the map's menu and the list of shortcuts.
    void createKeyboardActions();
    /// View → Projection and View → Centre On.
    void createViewActions();
    void showKeyboardShortcuts();
    void updateDisplayActionTitles();
    void showSelectedZone();
    void updateClock();
    void updatePlaceTexts();
    /// The line of the next clock change in the readouts, and the rows of
    /// facts below them.
    void updateFacts();
    /// Puts the facts' rows in as many columns as the window's width holds.
    void layOutFacts();
    /// The desktop's text size over the default's, which the map's labels,
    /// menus and the facts' columns grow by.
    double textScale() const;
    void askAndExportJpeg();
    void showAbout();
    /// The element file read again whenever it changes, and a dialog of the
    /// chosen satellites' passes over home.
    void createSatellites();
    void showPasses();
    /// The cloud map and the aurora forecast read again whenever their files
    /// change.
    void createWeather();

    MapModel &m_model;
    Preferences &m_preferences;
    std::unique_ptr<Ui::MainWindow> m_ui;
    FrameRenderer m_renderer;
    MapWidget *m_mapWidget = nullptr;
    ZoneFinder *m_zoneFinder = nullptr;
    FactsPanel *m_facts = nullptr;
    QLabel *m_nextChangeField = nullptr;
    /// Each layer's Show/Hide action; null for a layer the window does not offer.
    std::array<QAction *, kMapLayerCount> m_layerActions{};
    QList<QAction *> m_viewActions; ///< one a view, in the views' order
    SecondTimer *m_secondTimer = nullptr;
    TimeMachine *m_timeMachine = nullptr;
    QTimer m_mapTimer;
    QTimer m_satelliteTimer;
    WatchedFile *m_satelliteFile = nullptr;
    std::array<WatchedFile *, kWeatherSources.size()> m_weatherFiles{};
    QTimer m_placementSaveTimer;
    bool m_placementRestored = false;
    /// The frame's size when the window was last brought within the screen.
    QSize m_frameKeptOnScreen{-1, -1};
    /// Where the window was before a zoom; none when not zoomed.
    std::optional<QRect> m_placementBeforeZoom;
    QPointer<PreferencesDialog> m_preferencesDialog;
    int m_readoutHeight = kReadoutAreaHeight; ///< with the menu bar
    qint64 m_shownSecond = 0;
    qint64 m_describedMinute = INT64_MIN; ///< none described yet
    QString m_describedZone;
};
