#include "app/MainWindow.h"

#include "platform/Preferences.h"
#include "mapcore/MapGeometry.h"
#include "widgets/MapView.h"
#include "ui_MainWindow.h"

#include <QCloseEvent>
#include <QMessageBox>

namespace {
// Frame writes are gathered while the window is being dragged.
constexpr int kFrameSaveDelayMs = 400;
} // namespace

MainWindow::MainWindow(Preferences &preferences, const Clock &clock, const Resources &resources,
                       QWidget *parent)
    : QMainWindow(parent), m_preferences(preferences), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
    m_mapView = new MapView(preferences, clock, resources,
                            QSizeF(kSmallPreset.mapWidth, kSmallPreset.mapHeight), m_ui->mapArea);
    m_mapView->setObjectName(QStringLiteral("mapView"));
    m_ui->mapAreaLayout->addWidget(m_mapView);
    m_mapView->setOutlets(m_ui->zonePopUp, m_ui->sunriseField, m_ui->sunsetField,
                          m_ui->latitudeField, m_ui->longitudeField, m_ui->debugSlider);
    fitToMap(kSmallPreset.mapWidth, kSmallPreset.mapHeight);

    // The time changes every second: a field of fixed size, wide enough for the
    // widest time, lets it repaint itself without laying out the window again.
    const QFontMetrics metrics(m_ui->timeField->font());
    m_ui->timeField->setFixedSize(metrics.horizontalAdvance(QStringLiteral("00:00:00 WWWWW +0000")),
                                  metrics.height());
    // Opaque, so that the window beneath it is not painted again each second.
    m_ui->timeField->setAutoFillBackground(true);

    connect(m_ui->actionZoom, &QAction::triggered, m_mapView, &MapView::zoomWindow);
    connect(m_ui->zoomButton, &QToolButton::clicked, m_mapView, &MapView::zoomWindow);
    connect(m_ui->actionSaveJpeg, &QAction::triggered, m_mapView, &MapView::saveJPEG);
    connect(m_ui->saveButton, &QToolButton::clicked, m_mapView, &MapView::saveJPEG);
    connect(m_ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->actionAbout, &QAction::triggered, this, &MainWindow::showAbout);

    m_frameSaveTimer.setSingleShot(true);
    m_frameSaveTimer.setInterval(kFrameSaveDelayMs);
    connect(&m_frameSaveTimer, &QTimer::timeout, this, &MainWindow::saveFrame);
}

MainWindow::~MainWindow() = default;

QComboBox *MainWindow::zonePopUp() const
{
    return m_ui->zonePopUp;
}

QLabel *MainWindow::timeField() const
{
    return m_ui->timeField;
}

QLabel *MainWindow::dateField() const
{
    return m_ui->dateField;
}

void MainWindow::fitToMap(int mapWidth, int mapHeight)
{
    m_mapView->setFixedSize(mapWidth, mapHeight);
    setFixedSize(mapWidth, mapHeight + kReadoutAreaHeight);
}

void MainWindow::setFrameAutosaveName(const QString &name)
{
    m_frameAutosaveName = name;
}

bool MainWindow::setFrameUsingName(const QString &name)
{
    // The preferences file is the user's to edit: measure the stored frame in
    // 64 bits and take it only when its corner lies on some plausible screen.
    constexpr qint64 kFarthestCorner = 1 << 20;
    const QRect frame = m_preferences.objectForKey(name).toRect();
    const qint64 width = qint64(frame.right()) - frame.left() + 1;
    const qint64 height = qint64(frame.bottom()) - frame.top() + 1;
    if (width <= 0 || height <= 0 || std::abs(qint64(frame.left())) > kFarthestCorner ||
        std::abs(qint64(frame.top())) > kFarthestCorner)
        return false;
    // Only the two map sizes make sense; any other stored size keeps the
    // window's own size and takes only the position.
    const qint64 mapHeight = height - kReadoutAreaHeight;
    if (width == kLargePreset.mapWidth && mapHeight == kLargePreset.mapHeight)
        fitToMap(kLargePreset.mapWidth, kLargePreset.mapHeight);
    else if (width == kSmallPreset.mapWidth && mapHeight == kSmallPreset.mapHeight)
        fitToMap(kSmallPreset.mapWidth, kSmallPreset.mapHeight);
    move(frame.topLeft());
    return true;
}

void MainWindow::saveFrame()
{
    if (!m_frameAutosaveName.isEmpty())
        m_preferences.setObject(m_frameAutosaveName, QRect(pos(), size()));
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (!m_frameAutosaveName.isEmpty() && isVisible())
        m_frameSaveTimer.start();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!m_frameAutosaveName.isEmpty() && isVisible())
        m_frameSaveTimer.start();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_frameSaveTimer.isActive()) {
        m_frameSaveTimer.stop();
        saveFrame();
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::showAbout()
{
    QMessageBox::about(
        this, tr("About Duskmap"),
        tr("<h3>Duskmap %1</h3>"
           "<p>A world map of day, twilight and night, with a clock for a time zone of your "
           "choice.</p>"
           "<p>Map images: NASA Visible Earth (\"Blue Marble\" and \"Earth at Night\", NASA "
           "Goddard Space Flight Center).</p>"
           "<p>Time zones and their places: the IANA tz database (public domain).</p>")
            .arg(QCoreApplication::applicationVersion()));
}
