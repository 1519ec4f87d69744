#include "widgets/MapView.h"

#include "platform/Clock.h"
#include "platform/LocalizedStrings.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "platform/Resources.h"
#include "zones/TimeZones.h"
#include "readouts/ReadoutTexts.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QImageWriter>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QSaveFile>
#include <QScreen>
#include <QSlider>

#include <cmath>

namespace {
constexpr int kJpegBestQuality = 100;
constexpr float kNearbyZoneDeg = 10.0f;
constexpr int kOk = 1;

/// The shorter way round from one longitude to another, in [-180, 180).
float longitudeDifference(float fromDeg, float toDeg)
{
    float difference = toDeg - fromDeg;
    difference -= 360.0f * std::floor((difference + 180.0f) / 360.0f);
    return difference;
}
} // namespace

QTimeZone selectedTimeZone(const QString &title)
{
    // The clock asks ten times a second; looking a zone up reads its file from
    // the zone database, so the last answer is kept while the title stays.
    static QString lastTitle;
    static QTimeZone lastZone;
    if (lastZone.isValid() && title == lastTitle)
        return lastZone;
    lastZone = isKnownTimeZone(title) ? QTimeZone(title.toUtf8())
                                      : QTimeZone(systemTimeZoneName().toUtf8());
    lastTitle = title;
    return lastZone;
}

void setFieldText(QLabel *field, const QString &text)
{
    if (field && field->text() != text)
        field->setText(text);
}

MapView::MapView(Preferences &preferences, const Clock &clock, const Resources &resources,
                 QSizeF frameSize, QWidget *parent)
    : QWidget(parent), m_preferences(preferences), m_clock(clock), m_resources(resources),
      m_images(resources)
{
    m_attributes = labelTextStyle();
    m_smallTextAttributes = smallTextStyle();
    const QVariantMap defaults{{QString::fromLatin1(QZShowLocationsKey), false},
                               {QString::fromLatin1(QZShowLocationNamesKey), false},
                               {QString::fromLatin1(QZShowLatLonGridKey), false}};
    applyGeometry(geometryFromSize(float(frameSize.width()), float(frameSize.height())));
    m_preferences.registerDefaults(defaults);

    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Day and night map"));
}

MapView::~MapView() = default;

void MapView::setOutlets(QComboBox *viewZoneMenu, QLabel *sunriseField, QLabel *sunsetField,
                         QLabel *latitudeField, QLabel *longitudeField, QSlider *debugSlider)
{
    m_viewZoneMenu = viewZoneMenu;
    m_sunriseField = sunriseField;
    m_sunsetField = sunsetField;
    m_latitudeField = latitudeField;
    m_longitudeField = longitudeField;
    m_debugSlider = debugSlider;
    if (m_debugSlider)
        connect(m_debugSlider, &QSlider::valueChanged, this, &MapView::sliderAction);
}

void MapView::awakeFromNib()
{
    setShowLatLonGrid(m_preferences.boolForKey(QString::fromLatin1(QZShowLatLonGridKey)));
    setShowLocations(m_preferences.boolForKey(QString::fromLatin1(QZShowLocationsKey)));
    setShowLocationNames(m_preferences.boolForKey(QString::fromLatin1(QZShowLocationNamesKey)));
    m_timeZoneDictionary = TimeZoneTable::load(m_resources);
}

void MapView::applyGeometry(const MapGeometry &geometry)
{
    setMapWidth(geometry.mapWidth);
    setMapHeight(geometry.mapHeight);
    setPixelsPerDegree(geometry.pixelsPerDegree);
    setEquatorialOffset(geometry.equatorialOffset);
    setMeridianOffset(geometry.meridianOffset);
}

void MapView::setLatitude(float degrees)
{
    m_latitude = latitudeToY(degrees, geometry());
}

void MapView::setLongitude(float degrees)
{
    m_longitude = longitudeToX(degrees, geometry());
}

void MapView::changeShowGrid()
{
    setShowLatLonGrid(!showLatLonGrid());
    m_preferences.setObject(QString::fromLatin1(QZShowLatLonGridKey), showLatLonGrid());
}

void MapView::changeShowLocations()
{
    setShowLocations(!showLocations());
    m_preferences.setObject(QString::fromLatin1(QZShowLocationsKey), showLocations());
}

void MapView::changeShowLocationNames()
{
    setShowLocationNames(!showLocationNames());
    m_preferences.setObject(QString::fromLatin1(QZShowLocationNamesKey), showLocationNames());
}

void MapView::changeDisplayOptions(QObject *sender)
{
    const auto *item = qobject_cast<QAction *>(sender);
    switch (item ? item->data().toInt() : -1) {
    case 0:
        changeShowGrid();
        break;
    case 1:
        changeShowLocations();
        break;
    case 2:
        changeShowLocationNames();
        break;
    default:
        break;
    }
    update();
}

void MapView::sliderAction()
{
    update();
}

QString MapView::selectedZoneTitle() const
{
    return m_viewZoneMenu ? m_viewZoneMenu->currentText() : QString();
}

void MapView::showStatistics()
{
    const QString title = selectedZoneTitle();
    const QtZoneCalendar zone(selectedTimeZone(title));
    const MapGeometry g = geometry();
    const float latitudeDeg = yToLatitude(latitude(), g);
    const float longitudeDeg = xToLongitude(longitude(), g);
    const SunTexts sun =
        sunTexts(m_clock.now().toSecsSinceEpoch(), zone, latitudeDeg, longitudeDeg);
    setFieldText(m_sunriseField, QString::fromStdString(sun.sunrise));
    setFieldText(m_sunsetField, QString::fromStdString(sun.sunset));
    setFieldText(m_latitudeField, QString::fromStdString(latitudeText(latitudeDeg)));
    setFieldText(m_longitudeField, QString::fromStdString(longitudeText(longitudeDeg)));
}

void MapView::zoomWindow()
{
    QWidget *win = window();
    const MapGeometry preset = zoomTargetFor(double(win->width()));
    applyGeometry(preset);
    setLatitude(rawLatitude());
    setLongitude(rawLongitude());

    // The window keeps its bottom-left corner, but never grows above the top of
    // the screen it is on.
    const QRect frame = win->geometry();
    const int newHeight = preset.mapHeight + kReadoutAreaHeight;
    int top = frame.bottom() + 1 - newHeight;
    if (const QScreen *screen = win->screen())
        top = std::max(top, screen->availableGeometry().top());
    setFixedSize(preset.mapWidth, preset.mapHeight);
    win->setFixedSize(preset.mapWidth, newHeight);
    if (win->isVisible())
        win->move(win->pos().x(), win->pos().y() + (top - frame.top()));
    repaint();
}

MapScene MapView::scene(const QDateTime &instant)
{
    MapScene scene;
    scene.geometry = geometry();
    scene.boundsWidth = float(width());
    scene.viewHeight = height();
    scene.instant = utcFields(instant);
    attachImages(scene, scene.geometry, scene.boundsWidth);
    scene.showLatLonGrid = showLatLonGrid();
    scene.showLocations = showLocations();
    if (scene.showLocations) {
        // The squares follow the resource as it is now.
        const TimeZoneTable table = TimeZoneTable::load(m_resources);
        for (const QString &name : table.unsortedNames())
            scene.locationPlaces.push_back(table.placeOf(name));
    }
    scene.markerX = longitude();
    scene.markerY = latitude();
    scene.zoneLabel = selectedZoneTitle();
    scene.labelStyle = attributes();
    scene.smallStyle = smallTextAttributes();
    return scene;
}

void MapView::attachImages(MapScene &scene, const MapGeometry &geometry, float boundsWidth)
{
    scene.dayImage = &m_images.dayImage(boundsWidth, geometry);
    scene.nightSamples = m_images.nightSamples(boundsWidth, geometry);
}

const QImage &MapView::renderFrame(const QDateTime &instant)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_frame.size() != pixels)
        m_frame = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_frame.setDevicePixelRatio(ratio);
    MapScene logical = scene(instant);
    // The opaque day image covers a frame of its own size; anything else is
    // drawn onto black.
    if (!logical.dayImage || logical.dayImage->size() != pixels)
        m_frame.fill(Qt::black);

    // With more device pixels than points, the larger maps may fit the screen
    // better than the ones the view's size picks: the day and night are then
    // drawn from them, at their own geometry, and scaled into the view.
    const float deviceWidth = float(pixels.width());
    const bool sharperPair = ratio > 1.0 && MapImages::dayImageName(deviceWidth) !=
                                                MapImages::dayImageName(logical.boundsWidth);
    QPainter painter(&m_frame);
    if (!sharperPair) {
        m_renderer.render(painter, logical);
        return m_frame;
    }
    MapScene base = logical;
    base.geometry = kLargePreset;
    base.boundsWidth = float(kLargePreset.mapWidth);
    base.viewHeight = kLargePreset.mapHeight;
    attachImages(base, base.geometry, base.boundsWidth);
    if (m_base.size() != QSize(kLargePreset.mapWidth, kLargePreset.mapHeight))
        m_base = QImage(kLargePreset.mapWidth, kLargePreset.mapHeight,
                        QImage::Format_ARGB32_Premultiplied);
    m_base.fill(Qt::black);
    {
        QPainter basePainter(&m_base);
        m_renderer.renderDayAndNight(basePainter, base);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, width(), height()), m_base);
    m_renderer.renderLayers(painter, logical);
    return m_frame;
}

void MapView::paintEvent(QPaintEvent *)
{
    // Every redraw paints the whole map afresh for the moment it runs.
    renderFrame(m_clock.now());
    QPainter painter(this);
    painter.drawImage(0, 0, m_frame);
    if (hasFocus()) {
        // Keyboard focus shows on the screen only, never in a saved frame.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    emit framePainted();
}

void MapView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void MapView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void MapView::mousePressEvent(QMouseEvent *event)
{
    // The view takes the click and does nothing with it.
    event->accept();
}

void MapView::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard's menu key the menu opens at the marker, listing the
    // zones around the selected one.
    QPoint point = event->pos();
    QPoint globalPoint = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        point = ViewCoordinates(height()).point(longitude(), latitude()).toPoint();
        globalPoint = mapToGlobal(point);
    }
    QMenu *menu = menuForEvent(point);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPoint);
}

QMenu *MapView::tzMenu()
{
    auto *menu = new QMenu(QStringLiteral("Contextual Menu"), this);
    const QFont font = mapFont(12);
    const QString keys[2][2] = {
        {QStringLiteral("HideLatLonGridLines"), QStringLiteral("ShowLatLonGridLines")},
        {QStringLiteral("HideLocations"), QStringLiteral("ShowLocations")}};
    const bool shown[2] = {showLatLonGrid(), showLocations()};
    for (int i = 0; i < 2; ++i) {
        QAction *item = menu->addAction(localizedString(keys[i][shown[i] ? 0 : 1]));
        item->setData(i);
        item->setFont(font);
        connect(item, &QAction::triggered, this, [this, item] { changeDisplayOptions(item); });
    }
    return menu;
}

QMenu *MapView::menuForEvent(const QPoint &widgetPoint)
{
    QMenu *menu = tzMenu();
    const ViewCoordinates view(height());
    const QPointF p = view.point(widgetPoint.x(), widgetPoint.y()); // y-up, symmetric
    const MapGeometry g = geometry();
    const float latitudeDeg = yToLatitude(float(p.y()), g);
    const float longitudeDeg = xToLongitude(float(p.x()), g);
    const TimeZoneTable &table = timeZoneDictionary();
    if (table.isEmpty())
        return menu;

    bool separatorAdded = false;
    const QFont font = mapFont(12);
    for (const QString &name : table.sortedNames()) {
        if (!TimeZoneTable::isValidZone(name))
            continue;
        const ZonePlace place = table.placeOf(name);
        // Longitudes are compared the short way round, so that zones just across
        // the 180th meridian count as near.
        if (!(std::fabs(place.latitude - latitudeDeg) < kNearbyZoneDeg &&
              std::fabs(longitudeDifference(longitudeDeg, place.longitude)) < kNearbyZoneDeg))
            continue;
        if (!separatorAdded) {
            menu->addSeparator();
            separatorAdded = true;
        }
        QAction *item = menu->addAction(name);
        item->setFont(font);
        connect(item, &QAction::triggered, this, [this, item] { emit zoneItemChosen(item); });
    }
    return menu;
}

void MapView::saveJPEG()
{
    if (!m_savePanel) {
        m_savePanel = [](MapView *view, std::function<void(int, QString)> done) {
            auto *dialog = new QFileDialog(view->window(), tr("Save as JPEG"));
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            dialog->setNameFilter(tr("JPEG images (*.jpg)"));
            dialog->setDefaultSuffix(QStringLiteral("jpg"));
            dialog->setWindowModality(Qt::WindowModal);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            connect(dialog, &QFileDialog::finished, view, [dialog, done](int result) {
                const QStringList files = dialog->selectedFiles();
                done(result == QDialog::Accepted && !files.isEmpty() ? kOk : 0,
                     files.isEmpty() ? QString() : files.first());
            });
            dialog->open();
        };
    }
    m_savePanel(this,
                [this](int returnCode, const QString &fileName) { didEnd(returnCode, fileName); });
}

bool MapView::didEnd(int returnCode, const QString &fileName)
{
    if (returnCode != kOk || fileName.isEmpty())
        return false;
    QString path = fileName;
    if (!path.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive))
        path += QStringLiteral(".jpg");

    // The view's bounds as last drawn, at one pixel per point.
    QImage image = m_frame;
    if (!image.isNull() && image.size() != size())
        image = image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(1.0);

    QString reason;
    QSaveFile file(path);
    if (image.isNull()) {
        reason = tr("nothing has been drawn yet");
    } else if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else {
        QImageWriter writer(&file, "jpeg");
        writer.setQuality(kJpegBestQuality);
        if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
            reason = writer.errorString();
        else if (!file.commit())
            reason = file.errorString();
    }
    if (file.isOpen())
        file.cancelWriting();
    if (reason.isEmpty())
        return true;

    const QString message = tr("Could not save the map to \"%1\": %2").arg(path, reason);
    logWarning(message);
    if (m_reportError)
        m_reportError(this, message);
    else
        QMessageBox::warning(window(), tr("Save as JPEG"), message);
    return false;
}
