#include "widgets/MapWidget.h"

#include "astro/Sphere.h"
#include "mapcore/MapGeometry.h"
#include "model/MapModel.h"
#include "places/CityList.h"
#include "places/Locator.h"
#include "render/FrameRenderer.h"
#include "render/MapImages.h"
#include "render/MapPainting.h"
#include "widgets/PopupArea.h"
#include "zones/NearbyZones.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QLocale>
#include <QLoggingCategory>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>
#include <utility>

// QT_LOGGING_RULES="duskmap.frames.debug=true" logs each frame the map
// presents: how long it took to draw and how long since the one before.
Q_LOGGING_CATEGORY(lcFrames, "duskmap.frames", QtWarningMsg)

namespace {
// A double-click far out at sea or on the ice chooses nothing.
constexpr double kDoubleClickCityRadiusKm = 500.0;
// The pointer readout's box stands this far within the map's edges, twice over.
constexpr int kPointerTextMargin = 8;
} // namespace

MapWidget::MapWidget(MapModel &model, FrameRenderer &renderer, QWidget *parent)
    : QWidget(parent), m_model(model), m_renderer(renderer)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Day and night map"));
    setMouseTracking(true);
    m_resizing.setSingleShot(true);
    m_resizing.setInterval(1000);
    connect(&m_resizing, &QTimer::timeout, this,
            [this] { m_renderer.images().keepSources(false); });
    // The frames of a drag are drafts; the full one follows well within
    // 100 ms of the pointer coming to rest, its drawing included.
    m_dragResting.setSingleShot(true);
    m_dragResting.setInterval(40);
    connect(&m_dragResting, &QTimer::timeout, this, [this] { m_model.finishMovingCentre(); });
    const auto repaint = [this] { update(); };
    connect(&model, &MapModel::zoneChanged, this, repaint);
    connect(&model, &MapModel::layerShownChanged, this, repaint);
    connect(&model, &MapModel::shownInstantChanged, this, repaint);
    connect(&model, &MapModel::pinnedZonesChanged, this, repaint);
    connect(&model, &MapModel::viewChanged, this, repaint);
    connect(&model, &MapModel::markerPlaceChanged, this, repaint);
    connect(&model, &MapModel::placesChanged, this, repaint);
    connect(&model, &MapModel::weatherChanged, this, repaint);
    connect(&model, &MapModel::weatherFilesChanged, this, repaint);
}

std::optional<GeoPoint> MapWidget::placeAt(const QPointF &point) const
{
    return mapFrameFor(m_model, size()).fromFrame({point.x(), point.y()});
}

std::optional<QPointF> MapWidget::pointOf(const GeoPoint &place) const
{
    const auto p = mapFrameFor(m_model, size()).toFrame(place);
    return p ? std::optional(QPointF(p->x, p->y)) : std::nullopt;
}

QString MapWidget::pointerText(const GeoPoint &place) const
{
    const auto degrees = [](double value, const QString &positive, const QString &negative) {
        // Both at once: a translation that puts %2 first would otherwise read
        // "%236.00" as the 23rd.
        return tr("%1° %2").arg(QLocale().toString(std::fabs(value), 'f', 2),
                                value < 0 ? negative : positive);
    };
    const QString coordinates =
        tr("%1, %2", "latitude, longitude")
            .arg(degrees(place.latitude, tr("N", "north"), tr("S", "south")),
                 degrees(place.longitude, tr("E", "east"), tr("W", "west")));
    const QString locator = QString::fromStdString(places::locatorOf(place));
    const QString withLocator = coordinates + QStringLiteral(" · ") + locator;
    // The longest that fits the view, its parts dropped from the least telling:
    // the locator, then the coordinates, which the locator stands for, and last
    // the azimuthal view's distance and bearing.
    QStringList texts;
    if (m_model.view() == MapView::Azimuthal) {
        const sphere::DistanceAndBearing from =
            sphere::distanceAndBearing(m_model.viewCentre(), place);
        const auto fromCentre = [&](const QString &text) {
            return tr("%1 · %2 km from the centre, bearing %3°")
                .arg(text,
                     QLocale().toString(std::lround(from.distanceRad * sphere::kMeanRadiusKm)))
                .arg(std::lround(from.bearingRad * sphere::kRadToDeg) % 360);
        };
        texts << fromCentre(withLocator) << fromCentre(coordinates) << fromCentre(locator);
    }
    texts << withLocator << coordinates;
    const QFontMetrics metrics(font());
    const int room = width() - 2 * kPointerTextMargin;
    for (const QString &text : std::as_const(texts))
        if (metrics.horizontalAdvance(text) <= room)
            return text;
    return metrics.elidedText(coordinates, Qt::ElideRight, room);
}

QString MapWidget::satelliteDetailsAt(const QPointF &point) const
{
    const Satellites &satellites = m_model.satellites();
    if (!m_model.isLayerShown(MapLayer::Satellites) || satellites.shown().empty())
        return {};
    const auto &home = m_model.place(PlaceEnd::Home);
    const std::vector<SatelliteNow> all = satellites.at(
        double(m_model.shownInstant().toMSecsSinceEpoch()) / 1000.0,
        home ? std::optional(home->place.point) : std::nullopt, m_model.homeElevation());
    // A symbol with its panels spans about a line's height at the default
    // text size, and grows with the text.
    double nearest = 1.5 * fontMetrics().height();
    const SatelliteNow *found = nullptr;
    for (const SatelliteNow &now : all) {
        if (const auto at = pointOf(now.place.subPoint)) {
            if (const double distance = QLineF(*at, point).length(); distance < nearest) {
                nearest = distance;
                found = &now;
            }
        }
    }
    return found ? satelliteDetails(*found) : QString();
}

bool MapWidget::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    if (const QString details = satelliteDetailsAt(help->pos()); !details.isEmpty())
        QToolTip::showText(help->globalPos(), details, this);
    else
        QToolTip::hideText();
    return true;
}

QRect MapWidget::pointerTextRect(const QString &text) const
{
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics(font());
    const QSize size(metrics.horizontalAdvance(text) + 8, metrics.height() + 4);
    return QRect(QPoint(kPointerTextMargin / 2, height() - size.height() - 4), size);
}

void MapWidget::setPointerText(const QString &text)
{
    if (text == m_pointerText)
        return;
    const QRect old = pointerTextRect(m_pointerText);
    m_pointerText = text;
    // Only the readout's corner is painted again, from the last frame.
    update(QRegion(old) + QRegion(pointerTextRect(text)));
}

void MapWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    if (m_dragStart && (event->buttons() & Qt::LeftButton)) {
        const QPointF moved = at - *m_dragStart;
        const MapProjection &start = m_dragProjection;
        std::optional<GeoPoint> centre;
        if (start.view() == MapView::Azimuthal || start.view() == MapView::Globe) {
            // The place that was under the pointer comes along with it.
            if (m_grabbed)
                centre = start.centreShowing(*m_grabbed, {at.x(), at.y()});
        } else {
            // The world maps turn about the axis: only the central meridian moves.
            GeoPoint sideways = start.centre();
            sideways.longitude -= moved.x() / start.scale() * sphere::kRadToDeg;
            sideways.longitude = sphere::wrapDegrees(sideways.longitude);
            centre = sideways;
        }
        if (centre) {
            m_model.moveCentre(*centre);
            m_dragResting.start();
        }
    }
    const auto place = placeAt(at);
    setPointerText(place ? pointerText(*place) : QString());
}

void MapWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    m_dragResting.stop();
    if (std::exchange(m_dragStart, std::nullopt))
        m_model.finishMovingCentre();
}

void MapWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The zone of the nearest listed city, which is what people mean by a
    // place's zone, when it is one of the zones offered.
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const auto place = placeAt(event->position());
    if (!place)
        return;
    const places::CityList &cities = places::CityList::shared();
    const auto city = cities.nearest(*place, kDoubleClickCityRadiusKm);
    if (!city)
        return;
    const QString zone = QString::fromStdString(cities.zone(*city));
    if (m_model.offeredZones().contains(zone))
        emit zoneChosen(zone);
}

void MapWidget::setPlaceEnd(PlaceEnd end, const GeoPoint &place)
{
    const QString text = coordinatesText(place);
    places::PlaceResult found = placeNamedBy(text);
    if (found.ok)
        m_model.setPlace(end, ChosenPlace{text, std::move(found.place)});
}

void MapWidget::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    setPointerText({});
}

void MapWidget::setLayerActions(const std::array<QAction *, kMapLayerCount> &actions)
{
    m_layerActions = actions;
}

void MapWidget::paintEvent(QPaintEvent *event)
{
    // Every redraw paints the whole map afresh for the instant the model
    // shows, but for the pointer readout's corner alone.
    const QRect corner = pointerTextRect(m_pointerText)
                             .united(QRect(0, height() - 3 * fontMetrics().height(), width(),
                                           3 * fontMetrics().height()));
    const bool cornerOnly = corner.contains(event->rect()) && !m_shownFrame.isNull() &&
                            m_shownFrame.deviceIndependentSize() == QSizeF(size());
    QElapsedTimer painting;
    painting.start();
    qint64 renderNs = 0;
    if (!cornerOnly) {
        // Let go of the last frame first: kept, it would be copied when the
        // renderer draws over it.
        m_shownFrame = QImage();
        m_renderer.setTextScale(textScale());
        m_shownFrame = m_renderer.render(m_model, size(), devicePixelRatioF());
        renderNs = painting.nsecsElapsed();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_shownFrame);
    if (const QRect box = pointerTextRect(m_pointerText); !box.isEmpty()) {
        painter.fillRect(box, labelBoxColour());
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, m_pointerText);
    }
    if (hasFocus()) {
        // Keyboard focus shows on the screen only, never in a saved frame.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    if (!cornerOnly && lcFrames().isDebugEnabled()) {
        const qint64 since = m_sinceFrame.isValid() ? m_sinceFrame.nsecsElapsed() : 0;
        m_sinceFrame.start();
        qCDebug(lcFrames, "frame %.1f ms (drawn in %.1f ms), %.1f ms since the last, %dx%d%s",
                painting.nsecsElapsed() / 1e6, renderNs / 1e6, since / 1e6, m_shownFrame.width(),
                m_shownFrame.height(), m_model.isCentreMoving() ? ", draft" : "");
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
    // A left button grabs the map to move its centre.
    event->accept();
    if (event->button() == Qt::LeftButton) {
        m_dragStart = event->position();
        m_dragProjection =
            MapProjection(m_model.view(), m_model.viewCentre(), width(), height(), m_model.fit());
        m_grabbed = m_dragProjection.inverse({m_dragStart->x(), m_dragStart->y()});
    }
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
    openContextMenu(pointOf(m_model.markerPlace()).value_or(rect().center()).toPoint());
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
    m_menuArea = popupArea(this, at);
    const QRect pointer(at, QSize(0, 0));
    const QRect room = placeBeside(pointer, QSize(1, m_menuArea.height()), m_menuArea);
    fitZonesInto(menu, room.height(), m_menuArea.height());
    for (QAction *action : menu->actions()) {
        if (QMenu *submenu = action->menu()) {
            fitZonesInto(submenu, m_menuArea.height(), m_menuArea.height());
            submenu->installEventFilter(this);
        }
    }
    m_menuPlace = placeBeside(pointer, menu->sizeHint(), m_menuArea);
    menu->installEventFilter(this);
    menu->popup(m_menuPlace.topLeft());
    return menu;
}

bool MapWidget::eventFilter(QObject *watched, QEvent *event)
{
    // Qt places menus from where it believes the window is, which under
    // Wayland can be far off; each goes where the room was measured.
    auto *menu = qobject_cast<QMenu *>(watched);
    if (menu && event->type() == QEvent::Show) {
        QRect placed = menu->parentWidget() == this ? m_menuPlace : menu->geometry();
        // A submenu that does not fit on its side of the menu opens on the other.
        if (const auto *from = qobject_cast<QMenu *>(menu->parentWidget())) {
            if (placed.right() > m_menuArea.right())
                placed.moveRight(from->geometry().left() - 1);
            else if (placed.left() < m_menuArea.left())
                placed.moveLeft(from->geometry().right() + 1);
        }
        menu->setGeometry(shiftedInto(placed, m_menuArea));
    }
    return QWidget::eventFilter(watched, event);
}

void MapWidget::fitZonesInto(QMenu *menu, int height, int submenuHeight)
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
    fitZonesInto(more, submenuHeight, submenuHeight);
    more->installEventFilter(this);
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
    const std::optional<GeoPoint> place = placeAt(point);
    const QStringList zones = place ? nearbyZones(m_model.zones(), *place) : QStringList();
    if (!zones.isEmpty())
        menu->addSeparator();
    const QFont font = mapFont(int(std::lround(12 * textScale())));
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
    QAction *centre = menu->addAction(tr("Centre Map Here"));
    centre->setEnabled(place.has_value());
    if (place)
        connect(centre, &QAction::triggered, this,
                [this, at = *place] { m_model.setChosenCentre(at); });
    //: Map menu: make the place clicked the home place
    QAction *home = menu->addAction(tr("Set Home Here"));
    //: Map menu: make the place clicked the target place, far end of the paths from home
    QAction *target = menu->addAction(tr("Set Target Here"));
    for (auto [action, end] :
         {std::pair{home, PlaceEnd::Home}, std::pair{target, PlaceEnd::Target}}) {
        action->setEnabled(place.has_value());
        if (place)
            connect(action, &QAction::triggered, this,
                    [this, end = end, at = *place] { setPlaceEnd(end, at); });
    }
    //: Submenu of the map's menu: keep a world clock for one of the nearby zones
    QMenu *pins = menu->addMenu(tr("Pin"));
    pins->setEnabled(!pinnable.isEmpty());
    for (const QString &zone : pinnable) {
        QAction *item = pins->addAction(zone);
        item->setData(zone);
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
