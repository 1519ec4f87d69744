#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/MyController.h"
#include "app/Snapshot.h"
#include "platform/Clock.h"
#include "platform/Preferences.h"
#include "platform/Resources.h"
#include "widgets/MapView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

// QT_LOGGING_RULES="duskmap.startup.info=true" reports the start-up time.
Q_LOGGING_CATEGORY(lcStartup, "duskmap.startup", QtWarningMsg)

namespace {
QtMessageHandler g_defaultMessageHandler = nullptr;

// Without a display, Qt notes that it has no runtime directory; a cron job or
// a status-page script has none and needs none, so that note is dropped.
void headlessMessageHandler(QtMsgType type, const QMessageLogContext &context,
                            const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_defaultMessageHandler(type, context, message);
}

bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineResult parsed = parseCommandLine(arguments);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parsed.ok()) {
        err << "duskmap: " << parsed.error << " (see duskmap --help)\n";
        return 2;
    }
    CommandLineOptions options = parsed.options;
    using Mode = CommandLineOptions::Mode;
    switch (options.mode) {
    case Mode::Help:
        out << usageText();
        return 0;
    case Mode::Version:
        out << "duskmap " << DUSKMAP_VERSION << "\n";
        return 0;
    default:
        break;
    }

    // With no display, the window's map goes to a file instead.
    const bool noDisplay = options.mode == Mode::Window && !haveDisplay();
    if (noDisplay) {
        options.mode = Mode::Snapshot;
        options.outputPath = QStringLiteral("duskmap.png");
    }
    if (options.mode != Mode::Window) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        g_defaultMessageHandler = qInstallMessageHandler(headlessMessageHandler);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("duskmap"));
    QApplication::setApplicationDisplayName(QStringLiteral("Duskmap"));
    QApplication::setApplicationVersion(QStringLiteral(DUSKMAP_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(DUSKMAP_APP_ID));

    Preferences preferences(Preferences::defaultFilePath());
    const Resources resources;
    MyController::initialize(preferences);

    switch (options.mode) {
    case Mode::Snapshot: {
        const int status = runSnapshot(options, preferences, resources, systemClock(), out, err);
        if (status == 0 && noDisplay)
            out << "duskmap: no display; the current map is in " << options.outputPath << "\n";
        return status;
    }
    case Mode::Readouts:
        return runReadouts(options, preferences, resources, systemClock(), out, err);
    case Mode::ListZones:
        return runListZones(resources, out);
    default:
        break;
    }

    MainWindow window(preferences, systemClock(), resources);
    MyController controller(preferences, systemClock(), resources);
    controller.setOutlets(window.zonePopUp(), window.timeField(), window.dateField(),
                          window.mapView());
    QObject::connect(window.mapView(), &MapView::zoneItemChosen, &controller,
                     &MyController::changeMapDot);
    window.mapView()->awakeFromNib();
    controller.awakeFromNib();
    controller.updateTime();

    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, [&controller] {
        if (controller.applicationShouldTerminateAfterLastWindowClosed())
            QCoreApplication::quit();
    });
    auto firstFrame = std::make_shared<QMetaObject::Connection>();
    *firstFrame =
        QObject::connect(window.mapView(), &MapView::framePainted, [firstFrame, sinceStart] {
            qCInfo(lcStartup, "first frame painted %lld ms after start", sinceStart.elapsed());
            QObject::disconnect(*firstFrame);
        });
    window.show();
    return QApplication::exec();
}
