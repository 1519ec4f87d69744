#pragma once

#include "astro/GeoPoint.h"
#include "mapcore/MapProjection.h"
#include "model/HomeAndTarget.h"
#include "model/MapLayer.h"

#include <QElapsedTimer>
#include <QFontInfo>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>

class FrameRenderer;
class MapModel;
class QAction;
class QMenu;

/// The day/night map on the screen: paints the model through the frame
/// renderer whenever the model changes, and offers the display options and
/// the zones near a point in its contextual menu.
class MapWidget : public QWidget
{
    Q_OBJECT

public:
    MapWidget(MapModel &model, FrameRenderer &renderer, QWidget *parent = nullptr);

    /// The layers' Show/Hide actions, null for a layer with none.
    void setLayerActions(const std::array<QAction *, kMapLayerCount> &actions);

    /// The contextual menu for a point in widget coordinates: the grid's and
    /// the squares' actions, then the zones near that point; then a Pin
    /// submenu with those zones and the selected one, and the other layers'
    /// actions in a submenu. The caller owns it.
    QMenu *contextMenuAt(const QPoint &point);
    /// Opens the contextual menu for a point in widget coordinates there,
    /// within popupArea(), as are its submenus: below the point, or above it
    /// when it does not fit below and there is more room above.
    QMenu *openContextMenu(const QPoint &point);
    /// Opens the contextual menu from the keyboard: at the pointer when it is
    /// over the map, else at the marker.
    void openContextMenuFromKeyboard();

    /// The place under a point of the widget; none off the view's extent.
    std::optional<GeoPoint> placeAt(const QPointF &point) const;
    /// Where a place lies on the widget; none where the view hides it.
    std::optional<QPointF> pointOf(const GeoPoint &place) const;
    /// What the pointer readout says of a place: its latitude and longitude,
    /// its Maidenhead locator, and in the azimuthal view its distance and
    /// bearing from the centre.
    QString pointerText(const GeoPoint &place) const;
    /// What the tooltip says of the satellite drawn nearest a point of the
    /// widget, within about a symbol's reach; empty where none is.
    QString satelliteDetailsAt(const QPointF &point) const;

    /// How much larger than the default the desktop's text is, never below 1:
    /// its dots per inch over 96 (2 under a text scale of 200 %), times the
    /// font's size over 11 points, the largest of the common desktops'
    /// defaults. The map's labels and menus grow by it.
    double textScale() const
    {
        return std::max(1.0, logicalDpiY() / 96.0) *
               std::max(1.0, QFontInfo(font()).pointSizeF() / 11.0);
    }

signals:
    /// A zone was chosen in the contextual menu.
    void zoneChosen(const QString &zoneName);
    /// A redraw has reached the screen.
    void framePainted();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// Moves the zones that make the menu taller than height, the last
    /// first, into a submenu after the others, itself no taller than
    /// submenuHeight.
    void fitZonesInto(QMenu *menu, int height, int submenuHeight);

    /// Makes a place home or target, kept as its coordinates.
    void setPlaceEnd(PlaceEnd end, const GeoPoint &place);
    /// Shows what lies under the pointer, or nothing.
    void setPointerText(const QString &text);
    QRect pointerTextRect(const QString &text) const;

    MapModel &m_model;
    /// While the map is dragged: where it was grabbed and the view then.
    std::optional<QPointF> m_dragStart;
    MapProjection m_dragProjection;
    std::optional<GeoPoint> m_grabbed; ///< the place under the pointer when the drag began
    QString m_pointerText;
    /// The last frame drawn, for repainting under the pointer readout alone.
    QImage m_shownFrame;
    FrameRenderer &m_renderer;
    std::array<QAction *, kMapLayerCount> m_layerActions{};
    /// Where the open menu and its submenus may go, and where the menu went.
    QRect m_menuArea;
    QRect m_menuPlace;
    /// Runs while the size keeps changing; the renderer keeps its sources
    /// decoded meanwhile.
    QTimer m_resizing;
    /// Runs from each step of a drag: when the pointer rests, the map is
    /// drawn at its full quality.
    QTimer m_dragResting;
    /// When the last full frame was presented, for the frame log.
    QElapsedTimer m_sinceFrame;
};
