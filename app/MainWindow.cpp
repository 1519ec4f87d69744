#include "app/MainWindow.h"

#include "app/PreferencesDialog.h"
#include "app/TimeMachine.h"
#include "model/SkyTexts.h"

#include "astro/Sphere.h"
#include "mapcore/MapGeometry.h"
#include "model/MapModel.h"
#include "model/MapViews.h"
#include "model/ShownTexts.h"
#include "platform/ElementFile.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "platform/SecondTimer.h"
#include "platform/WatchedFile.h"
#include "render/ImageWriter.h"
#include "render/MapPainting.h"
#include "render/SkyLayers.h"
#include "ui_MainWindow.h"
#include "widgets/FactsPanel.h"
#include "widgets/MapWidget.h"
#include "widgets/ReadoutText.h"
#include "widgets/ZoneFinder.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {
const QString kPlacementKey = QStringLiteral("MainWindow");
const QString kSaveFolderKey = QStringLiteral("SaveFolder");
const QString kMaximizedKey = QStringLiteral("MainWindowMaximized");
// Placement writes are gathered while the window is being dragged.
constexpr int kPlacementSaveDelayMs = 400;
constexpr qint64 kNoSecondShown = std::numeric_limits<qint64>::min();
// The map's area is never smaller: two thirds of the small map's width.
constexpr QSize kSmallestMapArea(480, 240);

/// The preset the zoom switches to from a map of this height: a map no
/// larger than the small one grows to the large one, any other shrinks to the
/// small. The height, since the window's width also answers to its readouts,
/// which a language's longer words widen, and a disc is as high as the flat map.
MapGeometry zoomTargetFor(int mapHeight)
{
    return mapHeight <= kSmallPreset.mapHeight ? kLargePreset : kSmallPreset;
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
    m_ui->readoutArea->setFixedHeight(m_readoutHeight - menuHeight);
    // The next clock change shares the readouts' row of the time controls,
    // where away from now the shown time is told: the window keeps its height
    // from zone to zone.
    m_nextChangeField = new QLabel(m_ui->readoutArea);
    m_nextChangeField->setObjectName(QStringLiteral("nextChangeField"));
    m_nextChangeField->setAccessibleName(tr("Next clock change"));
    m_nextChangeField->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_ui->timeRow->insertWidget(0, m_nextChangeField, 1);
    m_facts = new FactsPanel(model, m_ui->centralWidget);
    m_ui->centralLayout->addWidget(m_facts);
    fitToSmallMap();

    // The time changes every second: a field of fixed size, wide enough for the
    // widest time, lets it repaint itself without laying out the window again.
    const QFontMetrics metrics(m_ui->timeField->font());
    m_ui->timeField->setFixedSize(metrics.horizontalAdvance(QStringLiteral("00:00:00 WWWWW +0000")),
                                  metrics.height());
    // Opaque, so that the window beneath it is not painted again each second.
    m_ui->timeField->setAutoFillBackground(true);

    createViewActions();
    createDisplayActions();
    createKeyboardActions();
    connect(m_ui->actionSaveJpeg, &QAction::triggered, this, &MainWindow::askAndExportJpeg);
    connect(m_ui->saveButton, &QToolButton::clicked, this, &MainWindow::askAndExportJpeg);
    connect(m_ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    connect(m_ui->actionAbout, &QAction::triggered, this, &MainWindow::showAbout);
    m_timeMachine = new TimeMachine(model, clock, *m_ui, this);

    m_placementSaveTimer.setSingleShot(true);
    m_placementSaveTimer.setInterval(kPlacementSaveDelayMs);
    connect(&m_placementSaveTimer, &QTimer::timeout, this, &MainWindow::savePlacement);

    m_ui->zoneComboBox->addItems(model.offeredZones());
    m_zoneFinder = new ZoneFinder(m_ui->zoneComboBox, model.offeredZones(), loadZoneCountries());
    m_zoneFinder->setCurrentZone(model.zoneName());
    connect(m_zoneFinder, &ZoneFinder::zoneChosen, &model, &MapModel::selectZone);
    showSelectedZone();
    connect(m_ui->zoneComboBox, &QComboBox::activated, this,
            [this] { m_model.selectZone(m_ui->zoneComboBox->currentText()); });
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
    connect(&model, &MapModel::placesChanged, this, &MainWindow::updateFacts);

    updatePlaceTexts();
    updateClock();
    updateFacts();
    // Text larger than the default's needs taller readouts: they take what
    // their rows need, the map keeps its size.
    if (const int need = menuHeight + m_ui->readoutArea->minimumSizeHint().height();
        need > m_readoutHeight) {
        m_readoutHeight = need;
        m_ui->readoutArea->setFixedHeight(need - menuHeight);
        fitToSmallMap();
    }
    // Once the readouts hold their texts, which set the window's smallest width.
    restorePlacement();
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
    createSatellites();
    createWeather();
}

MainWindow::~MainWindow() = default;

namespace {
/// One read of the element file, on the watcher's thread.
WatchedFile::Read readSatellites(const QString &path)
{
    orbits::ElementFile file = readElementFile(path);
    WatchedFile::Read read;
    read.message = elementFileMessage(file, path, true);
    if (file.fileProblem == orbits::ElementProblem::None)
        read.value = std::make_shared<const std::vector<orbits::ElementSet>>(std::move(file.sets));
    return read;
}
} // namespace

void MainWindow::createSatellites()
{
    // A file that cannot be read leaves the map without satellites; the log
    // and the preferences say why.
    Satellites &satellites = m_model.satellites();
    m_satelliteFile = new WatchedFile(&readSatellites, this);
    connect(m_satelliteFile, &WatchedFile::changed, this, [this] {
        Satellites &satellites = m_model.satellites();
        if (const QString message = m_satelliteFile->message(); !message.isEmpty())
            logLine(message);
        satellites.setReadMessage(m_satelliteFile->message());
        satellites.setElements(m_satelliteFile->value<std::vector<orbits::ElementSet>>());
    });
    connect(&satellites, &Satellites::elementsFileChanged, this,
            [this] { m_satelliteFile->setPath(m_model.satellites().elementsFile()); });
    m_satelliteFile->setPath(satellites.elementsFile());
    for (const auto changed : {&Satellites::elementsChanged, &Satellites::chosenChanged,
                               &Satellites::elevationMaskChanged}) {
        connect(&satellites, changed, m_mapWidget, qOverload<>(&QWidget::update));
        connect(&satellites, changed, this, &MainWindow::updateFacts);
    }
    // Satellites move a pixel in seconds: the map follows them while it
    // shows now and them.
    m_satelliteTimer.setInterval(kSatelliteRefreshMs);
    connect(&m_satelliteTimer, &QTimer::timeout, this, [this] {
        if (m_model.isShowingNow() && m_model.isLayerShown(MapLayer::Satellites) &&
            !m_model.satellites().shown().empty())
            m_mapWidget->update();
    });
    m_satelliteTimer.start();

    //: Menu item that opens the list of the chosen satellites' next passes over home
    QAction *passes = m_ui->menuView->addAction(tr("&Satellite Passes…"));
    passes->setObjectName(QStringLiteral("actionPasses"));
    connect(passes, &QAction::triggered, this, &MainWindow::showPasses);
}

void MainWindow::createWeather()
{
    // A file refused leaves the map without its layer; the map's corner and
    // the preferences say why.
    for (const WeatherSourceInfo &info : kWeatherSources) {
        auto *file = new WatchedFile(
            [source = info.source](const QString &path) { return readWeatherSource(source, path); },
            this);
        m_weatherFiles[std::size_t(info.source)] = file;
        connect(file, &WatchedFile::changed, this, [this, file, source = info.source] {
            if (!file->message().isEmpty())
                logLine(file->message());
            m_model.setWeatherFileMessage(source, file->message());
            takeWeather(m_model, source, file->value<void>());
        });
        file->setPath(m_model.weatherFile(info.source));
    }
    // The aurora's sighting in the home and target row.
    connect(&m_model, &MapModel::weatherChanged, this, &MainWindow::updateFacts);
    connect(&m_model, &MapModel::weatherFilesChanged, this, [this] {
        for (const WeatherSourceInfo &info : kWeatherSources)
            m_weatherFiles[std::size_t(info.source)]->setPath(m_model.weatherFile(info.source));
    });
}

void MainWindow::showPasses()
{
    auto *dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Satellite Passes"));
    auto *layout = new QVBoxLayout(dialog);
    const auto &home = m_model.place(PlaceEnd::Home);
    const Satellites &satellites = m_model.satellites();
    auto *note = new QLabel(dialog);
    note->setWordWrap(true);
    layout->addWidget(note);
    int width = 720;
    if (!home || satellites.shown().empty()) {
        note->setText(home ? tr("Choose an element file and its satellites in the preferences.")
                           : tr("Set a home place in the preferences to see the passes over it."));
    } else {
        const QTimeZone homeZone(QByteArray::fromStdString(home->place.zone));
        const QTimeZone zone = homeZone.isValid() ? homeZone : m_model.timeZone();
        //: Above the list of passes: %1 the home place, %2 the elevation mask, %3 the time zone
        note->setText(tr("Passes over %1 in the next 3 days, above %2°, times in %3. Visible: "
                         "sunlit while home is in the dark.")
                          .arg(shownName(*home), QLocale().toString(satellites.elevationMask()),
                               QString::fromUtf8(zone.id())));
        auto *list = new QTreeWidget(dialog);
        list->setAccessibleName(tr("Satellite passes"));
        //: Column headings of the list of satellite passes
        list->setHeaderLabels({tr("Satellite"), tr("Rise"), tr("Azimuth"), tr("Culmination"),
                               tr("Elevation"), tr("Set"), tr("Azimuth"), tr("Visible"),
                               //: Column heading: how old each satellite's orbital elements are
                               tr("Elements")});
        // Screen readers tell the two azimuths apart, and which elevation.
        list->headerItem()->setData(2, Qt::AccessibleTextRole, tr("Azimuth at rise"));
        list->headerItem()->setData(4, Qt::AccessibleTextRole, tr("Greatest elevation"));
        list->headerItem()->setData(6, Qt::AccessibleTextRole, tr("Azimuth at set"));
        list->setRootIsDecorated(false);
        const double now = double(m_model.shownInstant().toMSecsSinceEpoch()) / 1000.0;
        const QLocale locale;
        const auto time = [&](double seconds) {
            return locale.toString(QDateTime::fromSecsSinceEpoch(std::llround(seconds), zone),
                                   QLocale::ShortFormat);
        };
        const auto degrees = [&](double value) { return locale.toString(value, 'f', 0) + "°"; };
        for (const ShownSatellite &satellite : satellites.shown()) {
            const QString age =
                elementAgeText((now - satellite.elements.epochUnixSeconds) / 86400.0);
            for (const orbits::Pass &pass :
                 passesOver(satellite, home->place.point, m_model.homeElevation(),
                            satellites.elevationMask(), now))
                list->addTopLevelItem(new QTreeWidgetItem(
                    {satellite.name(), time(pass.riseUnixSeconds), degrees(pass.riseAzimuthDeg),
                     time(pass.culminationUnixSeconds), degrees(pass.maxElevationDeg),
                     time(pass.setUnixSeconds), degrees(pass.setAzimuthDeg),
                     pass.visible ? tr("yes") : tr("no"), age}));
        }
        for (int column = 0; column < list->columnCount(); ++column)
            list->resizeColumnToContents(column);
        layout->addWidget(list);
        // Wide enough for every column, as the screen allows.
        width = std::max(width, list->header()->length() +
                                    list->verticalScrollBar()->sizeHint().width() +
                                    2 * list->frameWidth() + layout->contentsMargins().left() +
                                    layout->contentsMargins().right());
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (const QScreen *screen = this->screen())
        width = std::min(width, screen->availableGeometry().width());
    dialog->resize(width, 420);
    dialog->show();
}

void MainWindow::createDisplayActions()
{
    // Plain actions whose titles say what choosing them does, as the menu
    // always has: "Show…" or "Hide…", with no check mark.
    const QFont font = mapFont(int(std::lround(12 * m_mapWidget->textScale())));
    QList<QAction *> actions;
    for (const MapLayerInfo &layer : kMapLayers) {
        if (!layer.showTitle.text)
            continue;
        auto *action = new QAction(this);
        action->setFont(font);
        if (layer.shortcut) {
            action->setShortcut(QKeySequence(QLatin1String(layer.shortcut)));
            // The map's own menu lists its items as it always has, with no keys.
            action->setShortcutVisibleInContextMenu(false);
        }
        connect(action, &QAction::triggered, this,
                [this, id = layer.layer] { m_model.setLayerShown(id, !m_model.isLayerShown(id)); });
        m_layerActions[std::size_t(layer.layer)] = action;
        actions.append(action);
    }
    connect(&m_model, &MapModel::layerShownChanged, this, &MainWindow::updateDisplayActionTitles);
    updateDisplayActionTitles();
    m_ui->menuView->addSeparator();
    m_ui->menuView->addActions(actions);
    m_mapWidget->setLayerActions(m_layerActions);
}

void MainWindow::createViewActions()
{
    QMenu *views = m_ui->menuView->addMenu(tr("&Projection"));
    auto *group = new QActionGroup(this);
    for (const MapViewInfo &info : kMapViews) {
        QAction *action = views->addAction(QCoreApplication::translate("MapView", info.title));
        action->setShortcut(QKeySequence(QLatin1String(info.shortcut)));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, view = info.view] { m_model.setView(view); });
        m_viewActions.append(action);
    }
    QMenu *centre = m_ui->menuView->addMenu(tr("&Centre On"));
    //: View → Centre On: where the view stands until another centre is chosen: Greenwich
    //: for the world maps, the selected zone for the azimuthal view and the globe
    centre->addAction(tr("Default Centre"), this,
                      [this] { m_model.setChosenCentre(std::nullopt); });
    // A view that stands on the selected zone by default follows it again; the
    // world maps turn to its place.
    centre->addAction(tr("Selected Zone"), this, [this] {
        const bool follows = viewInfo(m_model.view()).centre == DefaultCentre::SelectedZone;
        m_model.setChosenCentre(follows ? std::nullopt
                                        : std::optional<GeoPoint>(m_model.markerPlace()));
    });
    centre->addAction(tr("North Pole"), this, [this] {
        m_model.setChosenCentre(GeoPoint{90.0, 0.0});
    });
    centre->addAction(tr("South Pole"), this, [this] {
        m_model.setChosenCentre(GeoPoint{-90.0, 0.0});
    });
    //: View → Centre On: the home place the user keeps (in the preferences or given with --home)
    QAction *home = centre->addAction(tr("Home"), this, [this] {
        if (const auto &place = m_model.place(PlaceEnd::Home))
            m_model.setChosenCentre(place->place.point);
    });
    const auto showHome = [this, home] {
        home->setEnabled(m_model.place(PlaceEnd::Home).has_value());
    };
    connect(&m_model, &MapModel::placesChanged, home, showHome);
    showHome();
    // The centre moved from the keyboard a step at a time, as a drag moves it;
    // Alt and an arrow alone step the time.
    struct CentreStep
    {
        const char *title;
        Qt::Key key;
        double north, east;
    };
    static constexpr double kStepDegrees = 15.0;
    static constexpr CentreStep kCentreSteps[] = {
        {QT_TR_NOOP("Move &West"), Qt::Key_Left, 0.0, -kStepDegrees},
        {QT_TR_NOOP("Move &East"), Qt::Key_Right, 0.0, kStepDegrees},
        {QT_TR_NOOP("Move &North"), Qt::Key_Up, kStepDegrees, 0.0},
        {QT_TR_NOOP("Move &South"), Qt::Key_Down, -kStepDegrees, 0.0},
    };
    centre->addSeparator();
    for (const CentreStep &step : kCentreSteps) {
        QAction *action = centre->addAction(tr(step.title), this, [this, step] {
            const GeoPoint from = m_model.viewCentre();
            m_model.setChosenCentre(GeoPoint{std::clamp(from.latitude + step.north, -90.0, 90.0),
                                             sphere::wrapDegrees(from.longitude + step.east)});
        });
        action->setShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | step.key));
    }
    // A new centre, as at each step of a drag, is the map's own to repaint;
    // only a new view changes the map's shape.
    auto showView = [this, shown = std::optional<MapView>()]() mutable {
        if (std::exchange(shown, m_model.view()) == m_model.view())
            return;
        m_viewActions.value(int(m_model.view()))->setChecked(true);
        placeMap();
    };
    showView();
    connect(&m_model, &MapModel::viewChanged, this, showView);
}

void MainWindow::createKeyboardActions()
{
    m_ui->actionZoom->setToolTip(m_ui->zoomButton->toolTip());
    m_ui->zoomButton->setDefaultAction(m_ui->actionZoom);
    connect(m_ui->actionZoom, &QAction::triggered, this, &MainWindow::zoom);

    // F11 everywhere: Qt's standard key for it is empty outside GNOME, KDE
    // and the other systems; the desktop's own key stays beside it.
    QList<QKeySequence> fullScreenKeys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    fullScreenKeys.removeAll(QKeySequence(Qt::Key_F11));
    fullScreenKeys.prepend(QKeySequence(Qt::Key_F11));
    m_ui->actionFullScreen->setShortcuts(fullScreenKeys);
    connect(m_ui->actionFullScreen, &QAction::toggled, this, [this](bool on) {
        if (on)
            showFullScreen();
        else
            showNormal();
    });

    // The map's menu from anywhere in the window, as from the map itself.
    m_ui->actionMapMenu->setShortcuts(
        {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    addAction(m_ui->actionMapMenu);
    connect(m_ui->actionMapMenu, &QAction::triggered, this, [this] {
        // On a world clock that has the focus, the clock's own menu.
        if (auto *field = qobject_cast<QLabel *>(focusWidget()); m_facts->isWorldClock(field))
            emit field->customContextMenuRequested(field->rect().center());
        else
            m_mapWidget->openContextMenuFromKeyboard();
    });

    // As GNOME's programs show their keys, and F1 as KDE's open their help.
    m_ui->actionKeyboardShortcuts->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Question), QKeySequence(Qt::Key_F1)});
    connect(m_ui->actionKeyboardShortcuts, &QAction::triggered, this,
            &MainWindow::showKeyboardShortcuts);

    auto *settings = new QMenu(tr("&Settings"), this);
    settings->setObjectName(QStringLiteral("menuSettings"));
    menuBar()->insertMenu(m_ui->menuHelp->menuAction(), settings);
    QAction *preferences = settings->addAction(tr("&Preferences…"));
    preferences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(preferences, &QAction::triggered, this, [this] {
        if (!m_preferencesDialog) {
            m_preferencesDialog = new PreferencesDialog(m_model, loadZoneCountries(), this);
            m_preferencesDialog->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_preferencesDialog->show();
        m_preferencesDialog->raise();
        m_preferencesDialog->activateWindow();
    });
}

void MainWindow::showKeyboardShortcuts()
{
    auto *dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(tr("Keyboard Shortcuts"));
    auto *list = new QTreeWidget(dialog);
    list->setAccessibleName(tr("Keyboard shortcuts"));
    //: Column headings of the list of keyboard shortcuts: what the keys do, and the keys
    list->setHeaderLabels({tr("Action"), tr("Shortcut")});
    list->setRootIsDecorated(false);
    // Every action the window holds, in the order of its menus and their submenus.
    QList<QAction *> actions;
    const std::function<void(const QList<QAction *> &)> collect =
        [&](const QList<QAction *> &from) {
            for (QAction *action : from) {
                if (action->menu())
                    collect(action->menu()->actions());
                else
                    actions += action;
            }
        };
    collect(menuBar()->actions());
    actions += this->actions();
    for (const QAction *action : std::as_const(actions)) {
        if (action->shortcuts().isEmpty())
            continue;
        QStringList keys;
        for (const QKeySequence &key : action->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        QString title = action->text();
        title.remove(QRegularExpression(QStringLiteral("&(?!&)"))).remove(QChar(0x2026));
        //: Between two keyboard shortcuts of one action
        list->addTopLevelItem(new QTreeWidgetItem({title, keys.join(tr(" or "))}));
    }
    list->resizeColumnToContents(0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog->resize(420, 480);
    dialog->show();
}

void MainWindow::updateDisplayActionTitles()
{
    for (const MapLayerInfo &layer : kMapLayers) {
        if (QAction *action = m_layerActions[std::size_t(layer.layer)]) {
            const bool shown = m_model.isLayerShown(layer.layer);
            const MenuTitle &title = shown ? layer.hideTitle : layer.showTitle;
            action->setText(QCoreApplication::translate("Localizable", title.text, title.key));
        }
    }
}

void MainWindow::showSelectedZone()
{
    m_zoneFinder->setCurrentZone(m_model.zoneName());
    m_ui->zoneComboBox->setCurrentIndex(
        m_ui->zoneComboBox->findText(m_model.zoneName(), Qt::MatchExactly));
}

void MainWindow::updateClock()
{
    // The texts depend only on the zone and the whole second.
    const qint64 second = m_model.shownInstant().toSecsSinceEpoch();
    if (second == m_shownSecond)
        return;
    m_shownSecond = second;
    const ClockTexts texts = clockTexts(m_model);
    setReadoutText(m_ui->timeField, texts.time);
    setReadoutText(m_ui->dateField, texts.date);
    m_facts->updatePinTexts();
    // The map's description changes with the minute and the zone only.
    const qint64 minute = second - ((second % 60) + 60) % 60;
    const bool sameZone = m_model.zoneName() == m_describedZone;
    if (minute != m_describedMinute || !sameZone) {
        m_describedMinute = minute;
        m_describedZone = m_model.zoneName();
        m_mapWidget->setAccessibleDescription(mapDescription(m_model));
        // A new shown instant or zone brings them up to date with the facts;
        // here, only a new minute while showing now.
        if (m_model.isShowingNow() && sameZone && m_facts->showsHomeOrTarget())
            m_facts->updateHomeTargetTexts();
        // The weather's ages in the map's corner count minutes.
        if (m_model.isShowingNow() && sameZone && (m_model.clouds() || m_model.aurora()))
            m_mapWidget->update();
    }
}

void MainWindow::updateFacts()
{
    const QString change = nextChangeText(m_model);
    setReadoutText(m_nextChangeField, change);
    m_nextChangeField->setToolTip(change);
    m_nextChangeField->setVisible(m_model.isShowingNow());
    m_facts->updateRows();
    layOutFacts();
    // Until the window is placed it opens at the small map's size with every
    // row; after that the window keeps its height and the map gives way to
    // rows that come, and takes back the room of rows that go.
    if (!m_placementRestored)
        fitToSmallMap();
    placeMap();
}

double MainWindow::textScale() const
{
    return m_mapWidget ? m_mapWidget->textScale() : 1.0;
}

void MainWindow::layOutFacts()
{
    m_facts->layOut(width(), textScale());
}

int MainWindow::belowMapHeight() const
{
    return m_readoutHeight + (m_facts ? m_facts->rowsHeight(width(), textScale()) : 0);
}

void MainWindow::updatePlaceTexts()
{
    const PlaceTexts texts = placeTexts(
        m_model, geometryFromSize(float(m_mapWidget->width()), float(m_mapWidget->height())));
    setReadoutText(m_ui->sunriseField, texts.sunrise, texts.sunriseValue);
    setReadoutText(m_ui->sunsetField, texts.sunset, texts.sunsetValue);
    setReadoutText(m_ui->latitudeField, texts.latitude, texts.latitudeValue);
    setReadoutText(m_ui->longitudeField, texts.longitude, texts.longitudeValue);
    // The readout area is full: the Moon and the Sun go in the coordinates'
    // tooltip.
    const QString sky = skyReadoutText(astro::skyPositions(utcInstant(m_model.shownInstant())));
    m_ui->latitudeField->setToolTip(sky);
    m_ui->longitudeField->setToolTip(sky);
}

double MainWindow::viewAspect() const
{
    const ViewPoint half = viewHalfExtent(m_model.view());
    return half.x / half.y;
}

void MainWindow::fitToSmallMap()
{
    fitToMap(int(std::lround(kSmallPreset.mapHeight * viewAspect())), kSmallPreset.mapHeight);
}

QSize MainWindow::largestSize() const
{
    const QScreen *screen = this->screen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    // The window manager's frame, once the window has one.
    const QSize frame = frameGeometry().size() - size();
    return (screen->availableGeometry().size() - frame).expandedTo(minimumSize());
}

QRect MainWindow::onScreen(QRect frame) const
{
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        frame.moveRight(std::min(frame.right(), area.right()));
        frame.moveBottom(std::min(frame.bottom(), area.bottom()));
        frame.moveLeft(std::max(frame.left(), area.left()));
        frame.moveTop(std::max(frame.top(), area.top()));
    }
    return frame;
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    QTimer::singleShot(0, this, &MainWindow::keepOnScreen);
}

void MainWindow::keepOnScreen()
{
    // The frame that the window manager or the toolkit puts around the window
    // is known only once it shows, under X11 a little later: whenever it
    // changes, what was restored is brought within the screen again.
    const QSize frameSize = frameGeometry().size() - size();
    if (!isVisible() || isMaximized() || isFullScreen() ||
        std::exchange(m_frameKeptOnScreen, frameSize) == frameSize)
        return;
    const QSize largest = largestSize();
    if (size() != size().boundedTo(largest)) {
        resize(size().boundedTo(largest));
        layOutFacts();
        placeMap();
    }
    const QRect frame = frameGeometry();
    move(pos() + onScreen(frame).topLeft() - frame.topLeft());
}

void MainWindow::fitToMap(int mapWidth, int mapHeight)
{
    // The rows below the map, and so the height they take, depend on the width.
    const QSize largest = largestSize();
    resize(std::min(mapWidth, largest.width()), height());
    layOutFacts();
    resize(std::min(mapWidth, largest.width()),
           std::min(mapHeight + belowMapHeight(), largest.height()));
    layOutFacts();
    placeMap();
}

bool MainWindow::placeMap()
{
    // From the window's own size, which a hidden window's layout has not yet
    // passed on to the map's area.
    // The view's own shape at the largest size that fits: 2:1 for the flat
    // map, a square for the discs.
    const QSize area(width(), height() - belowMapHeight());
    const double aspect = viewAspect();
    const int mapHeight = std::max(0, std::min(area.height(), int(area.width() / aspect)));
    const int mapWidth = aspect == 2.0 ? 2 * mapHeight : int(std::lround(mapHeight * aspect));
    const QRect map((area.width() - mapWidth) / 2, (area.height() - mapHeight) / 2, mapWidth,
                    mapHeight);
    if (map == m_mapWidget->geometry())
        return false;
    const bool resized = map.size() != m_mapWidget->size();
    m_mapWidget->setGeometry(map);
    return resized;
}

void MainWindow::zoom()
{
    if (const std::optional<QRect> before = std::exchange(m_placementBeforeZoom, std::nullopt)) {
        // Back exactly where the window was; rows that came or went meanwhile
        // take their room from the map, as they do at any size.
        resize(before->size().boundedTo(largestSize()));
        layOutFacts();
        placeMap();
        if (isVisible())
            move(before->topLeft());
    } else {
        m_placementBeforeZoom = QRect(pos(), size());
        const MapGeometry preset = zoomTargetFor(m_mapWidget->height());
        const QRect frame = frameGeometry();
        const QSize largest = largestSize();
        // The preset's height, in the view's own shape (the flat map's width is
        // the preset's), or the largest map that fits the screen with the rows
        // below it; the rows depend on the width, so it is found twice.
        const double aspect = viewAspect();
        int mapHeight = preset.mapHeight;
        for (int pass = 0; pass < 2; ++pass) {
            const int mapWidth = std::min(int(std::lround(mapHeight * aspect)), largest.width());
            resize(mapWidth, height());
            layOutFacts();
            mapHeight = std::min(
                {preset.mapHeight, int(mapWidth / aspect), largest.height() - belowMapHeight()});
        }
        fitToMap(int(std::lround(mapHeight * aspect)), mapHeight);
        // The window keeps its bottom-left corner as far as the screen allows.
        if (isVisible()) {
            QRect zoomed(QPoint(), frameGeometry().size());
            zoomed.moveBottomLeft(frame.bottomLeft());
            move(onScreen(zoomed).topLeft());
        }
    }
    m_ui->actionZoom->setChecked(m_placementBeforeZoom.has_value());
    updatePlaceTexts();
    m_mapWidget->repaint();
}

void MainWindow::restorePlacement()
{
    // The preferences file is the user's to edit: measure the stored placement in
    // 64 bits and take it only when its corner lies on some plausible screen.
    constexpr qint64 kFarthestCorner = 1 << 20;
    // No screen is this large (8K is 7680 wide), and a map filling a larger
    // window would take gigabytes: a larger size keeps the window's own.
    constexpr qint64 kLargestSide = 1 << 13;
    m_placementRestored = true;
    if (m_preferences.boolForKey(kMaximizedKey))
        setWindowState(windowState() | Qt::WindowMaximized);
    const QRect placement = m_preferences.objectForKey(kPlacementKey).toRect();
    const qint64 width = qint64(placement.right()) - placement.left() + 1;
    const qint64 height = qint64(placement.bottom()) - placement.top() + 1;
    if (width <= 0 || height <= 0 || std::abs(qint64(placement.left())) > kFarthestCorner ||
        std::abs(qint64(placement.top())) > kFarthestCorner)
        return;
    if (width <= kLargestSide && height <= kLargestSide) {
        // Within the window's smallest size, which its layout knows.
        layout()->activate();
        resize(QSize(int(width), int(height)).expandedTo(minimumSize()).boundedTo(largestSize()));
        layOutFacts();
        placeMap();
    }
    move(placement.topLeft());
}

void MainWindow::savePlacement()
{
    // A maximized window opens maximized again; full screen is for the
    // session only. Their placement is the screen's: the last one the user
    // gave the window stays stored, for when it is restored.
    if (!isFullScreen())
        m_preferences.setObject(kMaximizedKey, isMaximized());
    // Nor a size larger than the screen, which the next start could not show.
    if (isMaximized() || isFullScreen() || size() != size().boundedTo(largestSize()))
        return;
    // Wayland tells a window nothing of its place: the stored one stays.
    QPoint corner = pos();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        corner = m_preferences.objectForKey(kPlacementKey).toRect().topLeft();
    m_preferences.setObject(kPlacementKey, QRect(corner, size()));
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    keepOnScreen();
    if (m_placementRestored && isVisible())
        m_placementSaveTimer.start();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_facts && m_facts->columnsChange(width(), textScale()))
        layOutFacts();
    if (placeMap())
        updatePlaceTexts();
    if (m_placementRestored && isVisible())
        m_placementSaveTimer.start();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const QSignalBlocker blocker(m_ui->actionFullScreen);
        m_ui->actionFullScreen->setChecked(isFullScreen());
        // The screen sets a maximized or full-screen window's size.
        m_ui->actionZoom->setEnabled(!isMaximized() && !isFullScreen());
        if (m_placementRestored && isVisible())
            m_placementSaveTimer.start();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Quit, a logout's SIGTERM and the window's close button alike.
    m_placementSaveTimer.stop();
    if (isVisible())
        savePlacement();
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
    // A name for the instant shown, in the folder last saved to.
    QString folder = m_preferences.stringForKey(kSaveFolderKey);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QDateTime shown = m_model.shownInstant().toTimeZone(m_model.timeZone());
    const QString name =
        QStringLiteral("duskmap-%1.jpg").arg(shown.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
    auto *dialog = new QFileDialog(this, tr("Save as JPEG"), QDir(folder).filePath(name));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(tr("JPEG images (*.jpg)"));
    dialog->setDefaultSuffix(QStringLiteral("jpg"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString &file) {
        m_preferences.setObject(kSaveFolderKey, QFileInfo(file).absolutePath());
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
                .arg(QCoreApplication::applicationVersion()) +
            //: About box: where the names and places of the cities come from
            tr("<p>Cities: GeoNames (geonames.org), under the Creative Commons Attribution 4.0 "
               "licence.</p>") +
            //: About box: the library that computes the eclipses, and its licence
            tr("<p>Eclipses: the Swiss Ephemeris (Astrodienst AG) with its JPL-based files, under "
               "the GNU Affero General Public License 3.0.</p>"));
}
