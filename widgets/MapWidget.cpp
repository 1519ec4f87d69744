#include "widgets/MapWidget.h"

#include "mapcore/MapGeometry.h"
#include "model/MapModel.h"
#include "render/FrameRenderer.h"
#include "render/MapImages.h"
#include "render/MapPainting.h"
#include "zones/NearbyZones.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QScreen>

#include <utility>

MapWidget::MapWidget(MapModel &model, FrameRenderer &renderer, QWidget *parent)
    : QWidget(parent), m_model(model), m_renderer(renderer)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Day and night map"));
    m_resizing.setSingleShot(true);
    m_resizing.setInterval(1000);
    connect(&m_resizing, &QTimer::timeout, this,
            [this] { m_renderer.images().keepSources(false); });
    const auto repaint = [this] { update(); };
    connect(&model, &MapModel::zoneChanged, this, repaint);
    connect(&model, &MapModel::layerShownChanged, this, repaint);
    connect(&model, &MapModel::shownInstantChanged, this, repaint);
    connect(&model, &MapModel::pinnedZonesChanged, this, repaint);
}

void MapWidget::setLayerActions(const std::array<QAction *, kMapLayerCount> &actions)
{
    m_layerActions = actions;
}

void MapWidget::paintEvent(QPaintEvent *)
{
    // Every redraw paints the whole map afresh for the instant the model shows.
    const QImage &frame = m_renderer.render(m_model, size(), devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(0, 0, frame);
    if (hasFocus()) {
        // Keyboard focus shows on the screen only, never in a saved frame.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    emit framePainted();
}

void MapWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Each new size scales the built-in images afresh; while the window is
    // being dragged they are decoded once, not at every step.
    m_renderer.images().keepSources(true);
    m_resizing.start();
}

void MapWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void MapWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void MapWidget::mousePressEvent(QMouseEvent *event)
{
    // The map takes the click and does nothing with it.
    event->accept();
}

void MapWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        openContextMenuFromKeyboard();
    else
        openContextMenu(event->pos());
}

void MapWidget::openContextMenuFromKeyboard()
{
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    if (rect().contains(pointer)) {
        openContextMenu(pointer);
        return;
    }
    const MapGeometry geometry = geometryFromSize(float(width()), float(height()));
    const GeoPoint marker = m_model.markerPlace();
    openContextMenu(
        ViewCoordinates(height())
            .point(longitudeToX(marker.longitude, geometry), latitudeToY(marker.latitude, geometry))
            .toPoint());
}

QMenu *MapWidget::openContextMenu(const QPoint &point)
{
    // Below the point when the menu fits there, else above it when there is
    // more room there, as a Wayland compositor flips a menu that does not
    // fit; the zones that still do not fit go into a submenu of their own,
    // so that the menu never runs off the screen and every item can be reached.
    QMenu *menu = contextMenuAt(point);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QPoint at = mapToGlobal(point);
    const QScreen *screen = QGuiApplication::screenAt(at);
    const QRect available = (screen ? screen : this->screen())->availableGeometry();
    const int below = available.bottom() + 1 - at.y();
    const int above = at.y() - available.top();
    const bool openBelow = menu->sizeHint().height() <= below || below >= above;
    fitZonesInto(menu, openBelow ? below : above);
    menu->popup(openBelow ? at : at - QPoint(0, menu->sizeHint().height()));
    return menu;
}

void MapWidget::fitZonesInto(QMenu *menu, int height)
{
    QList<QAction *> zones;
    for (QAction *action : menu->actions()) {
        if (action->data().isValid())
            zones.append(action);
    }
    if (zones.size() < 2 || menu->sizeHint().height() <= height)
        return;
    const QList<QAction *> items = menu->actions();
    QAction *afterZones = items.value(items.indexOf(zones.last()) + 1);
    auto *more = new QMenu(tr("More Zones"), menu);
    menu->insertMenu(afterZones, more);
    while (zones.size() > 1 && menu->sizeHint().height() > height) {
        QAction *zone = zones.takeLast();
        menu->removeAction(zone);
        more->insertAction(more->actions().value(0), zone);
    }
}

QMenu *MapWidget::contextMenuAt(const QPoint &point)
{
    auto *menu = new QMenu(tr("Contextual Menu"), this);
    QList<QAction *> moreLayers;
    for (const MapLayerInfo &layer : kMapLayers) {
        QAction *action = m_layerActions[std::size_t(layer.layer)];
        if (action && layer.atTopOfMapMenu)
            menu->addAction(action);
        else if (action)
            moreLayers.append(action);
    }
    const MapGeometry geometry = geometryFromSize(float(width()), float(height()));
    const QPointF p = ViewCoordinates(height()).point(point.x(), point.y()); // y up
    const QStringList zones = nearbyZones(m_model.zones(), {yToLatitude(float(p.y()), geometry),
                                                            xToLongitude(float(p.x()), geometry)});
    if (!zones.isEmpty())
        menu->addSeparator();
    const QFont font = mapFont(12);
    for (const QString &zone : zones) {
        QAction *item = menu->addAction(zone);
        item->setFont(font);
        item->setData(zone);
        connect(item, &QAction::triggered, this, [this, zone] { emit zoneChosen(zone); });
    }

    // The zones near the point and the selected one, checked while pinned.
    QStringList pinnable = zones;
    if (!m_model.zoneName().isEmpty() && !zones.contains(m_model.zoneName()))
        pinnable.prepend(m_model.zoneName());
    menu->addSeparator();
    //: Submenu of the map's menu: keep a world clock for one of the nearby zones
    QMenu *pins = menu->addMenu(tr("Pin"));
    pins->setEnabled(!pinnable.isEmpty());
    for (const QString &zone : pinnable) {
        QAction *item = pins->addAction(zone);
        const bool pinned = m_model.pinnedZones().contains(zone);
        item->setCheckable(true);
        item->setChecked(pinned);
        item->setEnabled(pinned || m_model.pinnedZones().size() < MapModel::kMaxPinnedZones);
        connect(item, &QAction::toggled, this, [this, zone](bool pin) {
            if (pin)
                m_model.pinZone(zone);
            else
                m_model.unpinZone(zone);
        });
    }
    if (!moreLayers.isEmpty())
        menu->addMenu(tr("More Layers"))->addActions(moreLayers);
    return menu;
}
