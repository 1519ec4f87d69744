#pragma once

#include "mapcore/MapGeometry.h"
#include "render/MapImages.h"
#include "render/MapRenderer.h"
#include "zones/TimeZoneTable.h"

#include <QImage>
#include <QTimeZone>
#include <QWidget>

#include <functional>

class Clock;
class Preferences;
class Resources;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QSlider;

/// The zone named by a pop-up title, or the system's zone when the title names
/// none (an empty pop-up), so that the readouts always have a zone to show.
QTimeZone selectedTimeZone(const QString &title);

/// Replaces a readout field's text; an unchanged text touches nothing, so a
/// clock tick that changes no text causes no relayout or repaint.
void setFieldText(QLabel *field, const QString &text);

/// The map view: the day/night map with its layers, the sun and position
/// readouts, the display options, the contextual menu and the JPEG export.
/// Geometry and marker fields are read and written through their accessors.
class MapView : public QWidget
{
    Q_OBJECT

public:
    /// Asks where to save: calls back with 1 (OK) and the chosen file, or 0.
    using SavePanel = std::function<void(MapView *view, std::function<void(int, QString)> done)>;
    /// Tells the user that a save failed.
    using ErrorReporter = std::function<void(MapView *view, const QString &message)>;

    /// Creation: text styles, registered display defaults and the geometry from
    /// the frame size.
    MapView(Preferences &preferences, const Clock &clock, const Resources &resources,
            QSizeF frameSize, QWidget *parent = nullptr);
    ~MapView() override;

    /// Connects the interface's outlets; any of them may be null.
    void setOutlets(QComboBox *viewZoneMenu, QLabel *sunriseField, QLabel *sunsetField,
                    QLabel *latitudeField, QLabel *longitudeField, QSlider *debugSlider);
    /// Wake-up: reads the display flags and loads the time zone table.
    void awakeFromNib();

    int mapWidth() const { return m_geometry.mapWidth; }
    void setMapWidth(int width) { m_geometry.mapWidth = width; }
    int mapHeight() const { return m_geometry.mapHeight; }
    void setMapHeight(int height) { m_geometry.mapHeight = height; }
    float pixelsPerDegree() const { return m_geometry.pixelsPerDegree; }
    void setPixelsPerDegree(float value) { m_geometry.pixelsPerDegree = value; }
    float equatorialOffset() const { return m_geometry.equatorialOffset; }
    void setEquatorialOffset(float value) { m_geometry.equatorialOffset = value; }
    float meridianOffset() const { return m_geometry.meridianOffset; }
    void setMeridianOffset(float value) { m_geometry.meridianOffset = value; }
    MapGeometry geometry() const { return m_geometry; }
    /// Applies a geometry through the five setters, in their order.
    void applyGeometry(const MapGeometry &geometry);

    /// Marker position in view pixels; the setters take degrees.
    float latitude() const { return m_latitude; }
    void setLatitude(float degrees);
    float longitude() const { return m_longitude; }
    void setLongitude(float degrees);
    float rawLatitude() const { return m_rawLatitude; }
    void setRawLatitude(float degrees) { m_rawLatitude = degrees; }
    float rawLongitude() const { return m_rawLongitude; }
    void setRawLongitude(float degrees) { m_rawLongitude = degrees; }

    bool showLocations() const { return m_showLocations; }
    void setShowLocations(bool on) { m_showLocations = on; }
    bool showLocationNames() const { return m_showLocationNames; }
    void setShowLocationNames(bool on) { m_showLocationNames = on; }
    bool showLatLonGrid() const { return m_showLatLonGrid; }
    void setShowLatLonGrid(bool on) { m_showLatLonGrid = on; }
    void changeShowGrid();
    void changeShowLocations();
    void changeShowLocationNames();

    const TextStyle &attributes() const { return m_attributes; }
    const TextStyle &smallTextAttributes() const { return m_smallTextAttributes; }
    const TimeZoneTable &timeZoneDictionary() const { return m_timeZoneDictionary; }
    QComboBox *viewZoneMenu() const { return m_viewZoneMenu; }
    MapImages &images() { return m_images; }

    /// Recomputes the sunrise, sunset, latitude and longitude readouts.
    void showStatistics();

    /// The contextual menu for a click at a point in widget coordinates.
    QMenu *menuForEvent(const QPoint &widgetPoint);
    /// A new menu holding the two display-option items.
    QMenu *tzMenu();

    /// What one redraw at this instant paints.
    MapScene scene(const QDateTime &instant);
    /// Redraws the whole map for an instant into the frame and returns it.
    const QImage &renderFrame(const QDateTime &instant);
    /// The pixels as last drawn, at the device pixel ratio.
    const QImage &lastFrame() const { return m_frame; }

    void setSavePanel(SavePanel panel) { m_savePanel = std::move(panel); }
    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }
    /// Completion of the save panel: writes the last frame as JPEG on OK.
    /// Returns whether a file was written.
    bool didEnd(int returnCode, const QString &fileName);

public slots:
    void changeDisplayOptions(QObject *sender);
    void sliderAction();
    void zoomWindow();
    void saveJPEG();

signals:
    /// A nearby-zone item of the contextual menu was chosen; the sender is the item.
    void zoneItemChosen(QObject *sender);
    /// A redraw has reached the screen.
    void framePainted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QString selectedZoneTitle() const;
    void attachImages(MapScene &scene, const MapGeometry &geometry, float boundsWidth);

    Preferences &m_preferences;
    const Clock &m_clock;
    const Resources &m_resources;

    float m_latitude = 0.0f;
    float m_longitude = 0.0f;
    float m_rawLatitude = 0.0f;
    float m_rawLongitude = 0.0f;
    TextStyle m_attributes;
    TextStyle m_smallTextAttributes;
    QComboBox *m_viewZoneMenu = nullptr;
    QLabel *m_sunriseField = nullptr;
    QLabel *m_sunsetField = nullptr;
    QLabel *m_latitudeField = nullptr;
    QLabel *m_longitudeField = nullptr;
    QSlider *m_debugSlider = nullptr;
    TimeZoneTable m_timeZoneDictionary;
    bool m_showLocations = false;
    bool m_showLocationNames = false;
    bool m_showLatLonGrid = false;
    MapGeometry m_geometry;

    MapImages m_images;
    MapRenderer m_renderer;
    QImage m_frame;
    QImage m_base; ///< day and night from the larger maps, on dense screens
    SavePanel m_savePanel;
    ErrorReporter m_reportError;
};
