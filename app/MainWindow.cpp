#include "app/MainWindow.h"

#include "app/TimeMachine.h"
#include "model/SkyTexts.h"

#include "mapcore/MapGeometry.h"
#include "model/MapModel.h"
#include "model/ShownTexts.h"
#include "platform/LocalizedStrings.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "platform/SecondTimer.h"
#include "render/ImageWriter.h"
#include "render/MapLayers.h"
#include "render/SkyLayers.h"
#include "ui_MainWindow.h"
#include "widgets/MapWidget.h"
#include "widgets/ZoneFinder.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>

#include <limits>

namespace {
const QString kFrameKey = QStringLiteral("MainWindow");
// Frame writes are gathered while the window is being dragged.
constexpr int kFrameSaveDelayMs = 400;
constexpr qint64 kNoSecondShown = std::numeric_limits<qint64>::min();
// The world clocks stand in columns of this width at most.
constexpr int kPinColumnWidth = 240;
// The map's area is never smaller: two thirds of the small map's width.
constexpr QSize kSmallestMapArea(480, 240);

/// Replaces a readout's text; an unchanged text touches nothing, so that a
/// tick that changes no text causes no relayout or repaint.
void setFieldText(QLabel *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}
} // namespace

MainWindow::MainWindow(MapModel &model, Preferences &preferences, const Resources &resources,
                       const Clock &clock, QWidget *parent)
    : QMainWindow(parent), m_model(model), m_preferences(preferences),
      m_ui(std::make_unique<Ui::MainWindow>()), m_renderer(resources), m_shownSecond(kNoSecondShown)
{
    m_ui->setupUi(this);
    m_mapWidget = new MapWidget(model, m_renderer, m_ui->mapArea);
    m_mapWidget->setObjectName(QStringLiteral("mapView"));
    m_ui->mapArea->setMinimumSize(kSmallestMapArea);
    // The readouts keep their height at any size; the map's area takes the rest.
    const int menuHeight = menuBar()->isNativeMenuBar() ? 0 : menuBar()->sizeHint().height();
    m_ui->readoutArea->setFixedHeight(kReadoutAreaHeight - menuHeight);
    createFactsArea();
    fitToMap(kSmallPreset.mapWidth, kSmallPreset.mapHeight);

    // The time changes every second: a field of fixed size, wide enough for the
    // widest time, lets it repaint itself without laying out the window again.
    const QFontMetrics metrics(m_ui->timeField->font());
    m_ui->timeField->setFixedSize(metrics.horizontalAdvance(QStringLiteral("00:00:00 WWWWW +0000")),
                                  metrics.height());
    // Opaque, so that the window beneath it is not painted again each second.
    m_ui->timeField->setAutoFillBackground(true);

    createDisplayActions();
    connect(m_ui->actionZoom, &QAction::triggered, this, &MainWindow::zoom);
    connect(m_ui->zoomButton, &QToolButton::clicked, this, &MainWindow::zoom);
    connect(m_ui->actionSaveJpeg, &QAction::triggered, this, &MainWindow::askAndExportJpeg);
    connect(m_ui->saveButton, &QToolButton::clicked, this, &MainWindow::askAndExportJpeg);
    connect(m_ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
    m_timeMachine = new TimeMachine(model, clock, m_ui->timeSlider, m_ui->nowButton,
                                    m_ui->awayField, m_ui->menuTime, this);

    m_frameSaveTimer.setSingleShot(true);
    m_frameSaveTimer.setInterval(kFrameSaveDelayMs);
    connect(&m_frameSaveTimer, &QTimer::timeout, this, &MainWindow::saveFrame);

    m_ui->zonePopUp->addItems(model.offeredZones());
    m_zoneFinder = new ZoneFinder(m_ui->zonePopUp, model, loadZoneCountries());
    showSelectedZone();
    connect(m_ui->zonePopUp, &QComboBox::activated, this,
            [this] { m_model.selectZone(m_ui->zonePopUp->currentText()); });
    connect(m_mapWidget, &MapWidget::zoneChosen, &model, &MapModel::selectZone);
    connect(&model, &MapModel::zoneChanged, this, [this] {
        showSelectedZone();
        m_shownSecond = kNoSecondShown;
        updateClock();
        updatePlaceTexts();
        updateFacts();
    });
    connect(&model, &MapModel::shownInstantChanged, this, [this] {
        m_shownSecond = kNoSecondShown;
        updateClock();
        updatePlaceTexts();
        updateFacts();
    });
    connect(&model, &MapModel::pinnedZonesChanged, this, &MainWindow::updateFacts);

    updatePlaceTexts();
    updateClock();
    updateFacts();
    // Once the readouts hold their texts, which set the window's smallest width.
    restoreFrame();
    m_secondTimer = new SecondTimer(clock, this);
    connect(m_secondTimer, &SecondTimer::tick, this, [this] {
        if (m_model.isShowingNow())
            updateClock();
        else
            m_timeMachine->updateControls();
    });
    m_secondTimer->start();
    m_mapTimer.setParent(this);
    m_mapTimer.setObjectName(QStringLiteral("mapTimer"));
    m_mapTimer.setInterval(kMapRefreshMs);
    // Away from now the map shows a fixed instant that needs no refresh.
    connect(&m_mapTimer, &QTimer::timeout, this, [this] {
        if (!m_model.isShowingNow())
            return;
        updatePlaceTexts();
        updateFacts();
        m_mapWidget->update();
    });
    m_mapTimer.start();
}

MainWindow::~MainWindow() = default;

void MainWindow::createDisplayActions()
{
    // Plain actions whose titles say what choosing them does, as the menu
    // always has: "Show…" or "Hide…", with no check mark.
    const QFont font = mapFont(12);
    m_gridAction = new QAction(this);
    m_locationsAction = new QAction(this);
    m_sunAction = new QAction(this);
    m_moonAction = new QAction(this);
    m_twilightLinesAction = new QAction(this);
    const QList<QAction *> actions{m_gridAction, m_locationsAction, m_sunAction, m_moonAction,
                                   m_twilightLinesAction};
    for (QAction *action : actions)
        action->setFont(font);
    connect(m_gridAction, &QAction::triggered, this,
            [this] { m_model.setShowGrid(!m_model.showGrid()); });
    connect(m_locationsAction, &QAction::triggered, this,
            [this] { m_model.setShowLocations(!m_model.showLocations()); });
    connect(m_sunAction, &QAction::triggered, this,
            [this] { m_model.setShowSun(!m_model.showSun()); });
    connect(m_moonAction, &QAction::triggered, this,
            [this] { m_model.setShowMoon(!m_model.showMoon()); });
    connect(m_twilightLinesAction, &QAction::triggered, this,
            [this] { m_model.setShowTwilightLines(!m_model.showTwilightLines()); });
    for (const auto changed :
         {&MapModel::showGridChanged, &MapModel::showLocationsChanged, &MapModel::showSunChanged,
          &MapModel::showMoonChanged, &MapModel::showTwilightLinesChanged})
        connect(&m_model, changed, this, &MainWindow::updateDisplayActionTitles);
    updateDisplayActionTitles();
    m_ui->menuView->addSeparator();
    m_ui->menuView->addActions(actions);
    m_mapWidget->setDisplayActions(actions);
}

void MainWindow::updateDisplayActionTitles()
{
    m_gridAction->setText(localizedString(m_model.showGrid()
                                              ? QStringLiteral("HideLatLonGridLines")
                                              : QStringLiteral("ShowLatLonGridLines")));
    m_locationsAction->setText(localizedString(m_model.showLocations()
                                                   ? QStringLiteral("HideLocations")
                                                   : QStringLiteral("ShowLocations")));
    const auto title = [](bool shown, const QString &key) {
        return localizedString((shown ? QStringLiteral("Hide") : QStringLiteral("Show")) + key);
    };
    m_sunAction->setText(title(m_model.showSun(), QStringLiteral("Sun")));
    m_moonAction->setText(title(m_model.showMoon(), QStringLiteral("Moon")));
    m_twilightLinesAction->setText(
        title(m_model.showTwilightLines(), QStringLiteral("TwilightLines")));
}

void MainWindow::showSelectedZone()
{
    m_ui->zonePopUp->setCurrentIndex(
        m_ui->zonePopUp->findText(m_model.zoneName(), Qt::MatchExactly));
}

void MainWindow::updateClock()
{
    // The texts depend only on the zone and the whole second.
    const qint64 second = m_model.shownInstant().toSecsSinceEpoch();
    if (second == m_shownSecond)
        return;
    m_shownSecond = second;
    const ClockTexts texts = clockTexts(m_model);
    setFieldText(m_ui->timeField, texts.time);
    setFieldText(m_ui->dateField, texts.date);
    updatePinTexts();
}

void MainWindow::createFactsArea()
{
    m_factsArea = new QWidget(m_ui->centralWidget);
    m_factsArea->setObjectName(QStringLiteral("factsArea"));
    auto *layout = new QVBoxLayout(m_factsArea);
    layout->setContentsMargins(8, 0, 8, 4);
    layout->setSpacing(2);
    m_nextChangeField = new QLabel(m_factsArea);
    m_nextChangeField->setObjectName(QStringLiteral("nextChangeField"));
    m_nextChangeField->setAccessibleName(tr("Next clock change"));
    layout->addWidget(m_nextChangeField);
    m_pinLayout = new QGridLayout;
    m_pinLayout->setHorizontalSpacing(12);
    m_pinLayout->setVerticalSpacing(2);
    layout->addLayout(m_pinLayout);
    m_ui->centralLayout->addWidget(m_factsArea);
    m_factsArea->hide();
}

void MainWindow::updateFacts()
{
    // The map keeps its size: the window grows or shrinks by the facts' rows,
    // unless the screen sets its size.
    const int mapAreaHeight = height() - belowMapHeight();
    const QString change = nextChangeText(m_model);
    setFieldText(m_nextChangeField, change);
    m_nextChangeField->setVisible(!change.isEmpty());

    const QStringList &pins = m_model.pinnedZones();
    while (m_pinFields.size() > pins.size())
        delete m_pinFields.takeLast();
    while (m_pinFields.size() < pins.size()) {
        auto *field = new QLabel(m_factsArea);
        field->setObjectName(QStringLiteral("pinField"));
        m_pinFields.append(field);
    }
    updatePinTexts();
    m_factsArea->setVisible(!change.isEmpty() || !pins.isEmpty());
    layOutFacts();
    if (!isMaximized() && !isFullScreen())
        resize(width(), mapAreaHeight + belowMapHeight());
    placeMap();
}

void MainWindow::layOutFacts()
{
    m_laidOutPinColumns = pinColumns();
    for (qsizetype i = 0; i < m_pinFields.size(); ++i)
        m_pinLayout->addWidget(m_pinFields.at(i), int(i / m_laidOutPinColumns),
                               int(i % m_laidOutPinColumns));
    // Exactly its rows' height, so that the readouts above keep theirs.
    m_factsArea->setFixedHeight(belowMapHeight() - kReadoutAreaHeight);
}

int MainWindow::pinColumns() const
{
    return std::max(1, width() / kPinColumnWidth);
}

void MainWindow::updatePinTexts()
{
    const QList<PinTexts> pins = pinTexts(m_model);
    for (qsizetype i = 0; i < pins.size() && i < m_pinFields.size(); ++i) {
        const PinTexts &pin = pins.at(i);
        QStringList parts{pin.city, pin.clock};
        if (!pin.dayShift.isEmpty())
            parts << pin.dayShift;
        parts << pin.offset << pin.light;
        setFieldText(m_pinFields.at(i), parts.join(QStringLiteral("  ")));
        m_pinFields.at(i)->setToolTip(pin.zone + QLatin1Char('\n') + pin.time + QLatin1Char('\n') +
                                      pin.date);
    }
}

int MainWindow::belowMapHeight() const
{
    if (!m_factsArea || m_factsArea->isHidden())
        return kReadoutAreaHeight;
    const int lineHeight = QFontMetrics(m_nextChangeField->font()).height();
    const int columns = pinColumns();
    const int pinRows = int((m_pinFields.size() + columns - 1) / columns);
    const int rows = pinRows + (m_nextChangeField->isHidden() ? 0 : 1);
    // Rows 2 apart, and the area's bottom margin.
    return kReadoutAreaHeight + rows * (lineHeight + 2) + 4;
}

void MainWindow::updatePlaceTexts()
{
    const PlaceTexts texts = placeTexts(
        m_model, geometryFromSize(float(m_mapWidget->width()), float(m_mapWidget->height())));
    setFieldText(m_ui->sunriseField, texts.sunrise);
    setFieldText(m_ui->sunsetField, texts.sunset);
    setFieldText(m_ui->latitudeField, texts.latitude);
    setFieldText(m_ui->longitudeField, texts.longitude);
    // The readout area is full: the Moon and the Sun go in the coordinates'
    // tooltip.
    const QString sky = skyReadoutText(astro::skyPositions(utcInstant(m_model.shownInstant())));
    m_ui->latitudeField->setToolTip(sky);
    m_ui->longitudeField->setToolTip(sky);
}

void MainWindow::fitToMap(int mapWidth, int mapHeight)
{
    resize(mapWidth, mapHeight + belowMapHeight());
    placeMap();
}

bool MainWindow::placeMap()
{
    // From the window's own size, which a hidden window's layout has not yet
    // passed on to the map's area.
    const QSize area(width(), height() - belowMapHeight());
    const int mapHeight = std::max(0, std::min(area.height(), area.width() / 2));
    const QRect map((area.width() - 2 * mapHeight) / 2, (area.height() - mapHeight) / 2,
                    2 * mapHeight, mapHeight);
    if (map == m_mapWidget->geometry())
        return false;
    const bool resized = map.size() != m_mapWidget->size();
    m_mapWidget->setGeometry(map);
    return resized;
}

void MainWindow::zoom()
{
    const MapGeometry preset = zoomTargetFor(double(width()));
    // The window keeps its bottom-left corner, but never grows above the top of
    // the screen it is on.
    const QRect frame = geometry();
    // The world clocks take as many columns as the new width holds.
    resize(preset.mapWidth, height());
    layOutFacts();
    const int newHeight = preset.mapHeight + belowMapHeight();
    int top = frame.bottom() + 1 - newHeight;
    if (const QScreen *screen = this->screen())
        top = std::max(top, screen->availableGeometry().top());
    fitToMap(preset.mapWidth, preset.mapHeight);
    if (isVisible())
        move(pos().x(), pos().y() + (top - frame.top()));
    updatePlaceTexts();
    m_mapWidget->repaint();
}

void MainWindow::restoreFrame()
{
    // The preferences file is the user's to edit: measure the stored frame in
    // 64 bits and take it only when its corner lies on some plausible screen.
    constexpr qint64 kFarthestCorner = 1 << 20;
    // No screen is this large (8K is 7680 wide), and a map filling a larger
    // window would take gigabytes: a larger size keeps the window's own.
    constexpr qint64 kLargestSide = 1 << 13;
    m_frameRestored = true;
    const QRect frame = m_preferences.objectForKey(kFrameKey).toRect();
    const qint64 width = qint64(frame.right()) - frame.left() + 1;
    const qint64 height = qint64(frame.bottom()) - frame.top() + 1;
    if (width <= 0 || height <= 0 || std::abs(qint64(frame.left())) > kFarthestCorner ||
        std::abs(qint64(frame.top())) > kFarthestCorner)
        return;
    if (width <= kLargestSide && height <= kLargestSide) {
        // Within the window's smallest size, which its layout knows.
        layout()->activate();
        resize(QSize(int(width), int(height)).expandedTo(minimumSize()));
        placeMap();
    }
    move(frame.topLeft());
}

void MainWindow::saveFrame()
{
    // A maximized or full-screen frame is the screen's: the last one the
    // user gave the window stays stored.
    if (isMaximized() || isFullScreen())
        return;
    // Wayland tells a window nothing of its place: the stored one stays.
    QPoint corner = pos();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        corner = m_preferences.objectForKey(kFrameKey).toRect().topLeft();
    m_preferences.setObject(kFrameKey, QRect(corner, size()));
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_frameRestored && isVisible())
        m_frameSaveTimer.start();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (pinColumns() != m_laidOutPinColumns)
        layOutFacts();
    if (placeMap())
        updatePlaceTexts();
    if (m_frameRestored && isVisible())
        m_frameSaveTimer.start();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Quit, a logout's SIGTERM and the window's close button alike.
    m_frameSaveTimer.stop();
    if (isVisible())
        saveFrame();
    m_secondTimer->stop();
    m_mapTimer.stop();
    QMainWindow::closeEvent(event);
}

QString MainWindow::exportJpeg(const QString &fileName)
{
    QString path = fileName;
    if (!path.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive))
        path += QStringLiteral(".jpg");
    const QImage &frame = m_renderer.render(m_model, m_mapWidget->size());
    const QString reason = writeImageFile(frame, path, ImageFileFormat::Jpeg);
    if (reason.isEmpty())
        return {};
    const QString message = tr("Could not save the map to \"%1\": %2").arg(path, reason);
    logWarning(message);
    return message;
}

void MainWindow::askAndExportJpeg()
{
    auto *dialog = new QFileDialog(this, tr("Save as JPEG"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(tr("JPEG images (*.jpg)"));
    dialog->setDefaultSuffix(QStringLiteral("jpg"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &file) {
        const QString message = exportJpeg(file);
        if (!message.isEmpty())
            QMessageBox::warning(this, tr("Save as JPEG"), message);
    });
    dialog->open();
}

void MainWindow::showAbout()
{
    QMessageBox::about(
        this, tr("About Duskmap"),
        tr("<h3>Duskmap %1</h3>"
           "<p>A world map of day, twilight and night, with a clock for a time zone of your "
           "choice.</p>"
           "<p>Map images: NASA Visible Earth (\"Blue Marble\" and \"Earth at Night\", NASA "
           "Goddard Space Flight Center), public domain.</p>"
           "<p>Time zones and their places: the IANA tz database (public domain).</p>"
           "<p>Duskmap is free software: you can redistribute it and/or modify it under the "
           "terms of the GNU General Public License as published by the Free Software "
           "Foundation, either version 3 of the License, or (at your option) any later "
           "version. It comes with no warranty.</p>")
            .arg(QCoreApplication::applicationVersion()));
}
