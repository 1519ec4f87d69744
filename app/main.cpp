#include "app/CommandLine.h"
#include "app/HeadlessModes.h"
#include "app/MainWindow.h"
#include "model/MapModel.h"
#include "model/PreferencesBinding.h"
#include "platform/Clock.h"
#include "platform/Preferences.h"
#include "platform/Resources.h"
#include "platform/StopSignalNotifier.h"
#include "platform/Translations.h"
#include "widgets/MapWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLoggingCategory>
#include <QTextStream>

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <memory>

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

// A display that cannot be reached (a stale DISPLAY after ssh, say) is one
// line and status 1, not Qt's abort with its advice to reinstall.
void windowMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    static QString unreachable;
    if (message.contains(QLatin1String("could not connect to display")) ||
        message.contains(QLatin1String("Failed to create wl_display"))) {
        // The first display tried is the one meant.
        if (unreachable.isEmpty())
            unreachable = qEnvironmentVariable(
                message.contains(QLatin1String("wl_display")) ? "WAYLAND_DISPLAY" : "DISPLAY");
        return;
    }
    if (type == QtFatalMsg && message.contains(QLatin1String("platform plugin"))) {
        QTextStream(stderr) << "duskmap: cannot connect to the display "
                            << (unreachable.isEmpty() ? QStringLiteral("(none found)")
                                                      : unreachable)
                            << "; the command-line modes need none (see duskmap --help)\n";
        std::_Exit(kExitFailed);
    }
    if (type == QtInfoMsg && message.startsWith(QLatin1String("Could not load the Qt platform")))
        return;
    g_defaultMessageHandler(type, context, message);
}

bool haveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Qt's application object sets the C library's locale from the user's; its
// LC_NUMERIC would have strtod and printf, in libraries as in our own code,
// read and write numbers with the user's decimal comma. People's numbers come
// from QLocale, which does not depend on it.
void keepMachineNumbersLocaleFree()
{
    std::setlocale(LC_NUMERIC, "C");
}

void describeApplication()
{
    // The application's name is also the X11 window class, which the desktop
    // file names as StartupWMClass; Wayland takes the desktop file's name.
    QCoreApplication::setApplicationName(QStringLiteral("duskmap"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DUSKMAP_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Duskmap"));
    QGuiApplication::setDesktopFileName(QStringLiteral(DUSKMAP_APP_ID));
    // The readouts and the window speak the user's language; --help and the
    // error lines are never translated, since scripts match on their words.
    // Catalogues being worked on are tried first, so that a translator sees
    // them without a new build.
    const QString trial = qEnvironmentVariable("DUSKMAP_TRANSLATIONS");
    if (trial.isEmpty() || installTranslators(QLocale(), trial).isEmpty())
        installTranslators();
}

/// The platforms to try for a mode that asks the screen its size: the
/// display's, and Qt's offscreen stand-in rather than an abort when the
/// display cannot be reached.
QByteArray platformsWithFallBack()
{
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty()) {
        if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            platforms += "wayland;";
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            platforms += "xcb;";
    }
    return platforms.contains("offscreen") ? platforms : platforms + ";offscreen";
}

int runHeadless(int argc, char *argv[], const CommandLineOptions &options, bool noDisplay)
{
    using Mode = CommandLineOptions::Mode;
    const bool asksScreen = options.mode == Mode::Wallpaper && !options.size.isValid();
    qputenv("QT_QPA_PLATFORM", asksScreen && haveDisplay() ? platformsWithFallBack() : "offscreen");
    // A background service is no client of the session: a desktop that restores
    // its clients would start a second one at login, beside the user service.
    qunsetenv("SESSION_MANAGER");
    g_defaultMessageHandler = qInstallMessageHandler(headlessMessageHandler);
    // Fonts and images need a GUI application; no widget is made.
    QGuiApplication app(argc, argv);
    keepMachineNumbersLocaleFree();
    describeApplication();
    QTextStream out(stdout);
    QTextStream err(stderr);
    Preferences preferences(Preferences::defaultFilePath());
    PreferencesBinding::registerDefaults(preferences);
    const Resources resources;
    switch (options.mode) {
    case Mode::Snapshot: {
        const int status = runSnapshot(options, preferences, resources, systemClock(), err);
        if (status == 0 && noDisplay)
            out << "duskmap: no display; the current map is in " << options.outputPath << "\n";
        return status;
    }
    case Mode::Readouts:
        return runReadouts(options, preferences, resources, systemClock(), out, err);
    case Mode::Wallpaper:
        return runWallpaper(options, preferences, resources, systemClock(), err);
    case Mode::ListEclipses:
        return runListEclipses(options, systemClock(), out);
    case Mode::Passes:
        return runPasses(options, preferences, resources, systemClock(), out, err);
    default:
        return runListZones(options, resources, out, err);
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    // Past a file size limit (ulimit -f) a write fails with "File too large"
    // and is reported; the signal would end the program with a file half made.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineResult parsed = parseCommandLine(arguments);
    if (!parsed.ok()) {
        QTextStream(stderr) << "duskmap: " << parsed.error << " (see duskmap --help)\n";
        return kExitBadInput;
    }
    CommandLineOptions options = parsed.options;
    using Mode = CommandLineOptions::Mode;
    if (options.mode == Mode::Help) {
        QTextStream(stdout) << usageText();
        return 0;
    }
    if (options.mode == Mode::Version) {
        QTextStream(stdout) << "duskmap " << DUSKMAP_VERSION << "\n";
        return 0;
    }

    // With no display, the window's map goes to a file instead.
    const bool noDisplay = options.mode == Mode::Window && !haveDisplay();
    if (noDisplay) {
        options.mode = Mode::Snapshot;
        options.outputPath = QStringLiteral("duskmap.png");
        options.format = ImageFileFormat::Png;
    }
    if (options.mode != Mode::Window)
        return runHeadless(argc, argv, options, noDisplay);

    g_defaultMessageHandler = qInstallMessageHandler(windowMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_defaultMessageHandler);
    keepMachineNumbersLocaleFree();
    describeApplication();
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral(DUSKMAP_APP_ID),
                         QIcon(QStringLiteral(":/duskmap/org.duskmap.Duskmap.svg"))));
    Preferences preferences(Preferences::defaultFilePath());
    PreferencesBinding::registerDefaults(preferences);
    const Resources resources;
    MapModel model(TimeZoneTable::load(resources), systemClock());
    PreferencesBinding::restore(model, preferences, true);
    PreferencesBinding::keepStored(model, preferences);
    MainWindow window(model, preferences, resources, systemClock());

    auto firstFrame = std::make_shared<QMetaObject::Connection>();
    *firstFrame =
        QObject::connect(window.mapWidget(), &MapWidget::framePainted, [firstFrame, sinceStart] {
            qCInfo(lcStartup, "first frame painted %lld ms after start", sinceStart.elapsed());
            QObject::disconnect(*firstFrame);
        });
    // A logout's SIGTERM, or Ctrl+C in a terminal, closes the window as Quit
    // does: the preferences are stored and the exit status is 0.
    StopSignalNotifier stopSignals;
    QObject::connect(&stopSignals, &StopSignalNotifier::stopRequested, &app,
                     &QApplication::closeAllWindows);
    window.show();
    return QApplication::exec();
}
