#include "widgets/MapWidget.h"

#include "mapcore/MapGeometry.h"
#include "model/MapModel.h"
#include "render/FrameRenderer.h"
#include "render/MapImages.h"
#include "render/MapLayers.h"
#include "zones/NearbyZones.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

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
    connect(&model, &MapModel::showGridChanged, this, repaint);
    connect(&model, &MapModel::showLocationsChanged, this, repaint);
    connect(&model, &MapModel::showSunChanged, this, repaint);
    connect(&model, &MapModel::showMoonChanged, this, repaint);
    connect(&model, &MapModel::showTwilightLinesChanged, this, repaint);
    connect(&model, &MapModel::shownInstantChanged, this, repaint);
    connect(&model, &MapModel::pinnedZonesChanged, this, repaint);
}

void MapWidget::setDisplayActions(QList<QAction *> actions)
{
    m_displayActions = std::move(actions);
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
    // From the keyboard's menu key the menu opens at the marker, listing the
    // zones around the selected one.
    QPoint point = event->pos();
    QPoint globalPoint = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const MapGeometry geometry = geometryFromSize(float(width()), float(height()));
        const GeoPoint marker = m_model.markerPlace();
        point = ViewCoordinates(height())
                    .point(longitudeToX(marker.longitude, geometry),
                           latitudeToY(marker.latitude, geometry))
                    .toPoint();
        globalPoint = mapToGlobal(point);
    }
    QMenu *menu = contextMenuAt(point);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPoint);
}

QMenu *MapWidget::contextMenuAt(const QPoint &point)
{
    auto *menu = new QMenu(QStringLiteral("Contextual Menu"), this);
    menu->addActions(m_displayActions);
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
        connect(item, &QAction::triggered, this, [this, zone] { emit zoneChosen(zone); });
        addPinAction(menu, zone);
    }
    // The selected zone can be pinned from anywhere on the map.
    const QString selected = m_model.zoneName();
    if (!selected.isEmpty() && !zones.contains(selected)) {
        menu->addSeparator();
        addPinAction(menu, selected);
    }
    return menu;
}

void MapWidget::addPinAction(QMenu *menu, const QString &zone)
{
    const bool pinned = m_model.pinnedZones().contains(zone);
    QAction *item = menu->addAction(pinned ? tr("Unpin %1").arg(zone) : tr("Pin %1").arg(zone));
    item->setFont(mapFont(12));
    item->setEnabled(pinned || m_model.pinnedZones().size() < MapModel::kMaxPinnedZones);
    connect(item, &QAction::triggered, this, [this, zone, pinned] {
        if (pinned)
            m_model.unpinZone(zone);
        else
            m_model.pinZone(zone);
    });
}
