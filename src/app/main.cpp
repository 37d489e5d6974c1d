// Corvane: the tray program and its windows.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <optional>

#include "AppDelegate.h"
#include "SingleInstance.h"
#include "SnapshotServices.h"
#include "SnapshotWriter.h"
#include "StatusItem.h"
#include "core/fs/FsName.h"
#include "platform/Alerts.h"
#include "platform/Authorization.h"
#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/DesktopAppearance.h"
#include "platform/DesktopNotifications.h"
#include "platform/DesktopWorkspace.h"
#include "platform/LoginItems.h"
#include "platform/Paths.h"
#include "platform/PkexecAuthorization.h"
#include "platform/SystemVersion.h"
#include "platform/Tasks.h"
#include "platform/Translations.h"
#include "platform/WidgetAlerts.h"
#include "trash/PutBackQuestionBox.h"
#include "update/PRUpdateController.h"
#include "update/UpdateAddress.h"

namespace {

// The positional arguments as the lossless text of their bytes: Qt decodes the command line as
// text, which would lose a file name that is not UTF-8. Each is matched to the next argument of the
// raw command line that decodes to it.
QStringList rawPositional(const QStringList& positional, int argc, char** argv) {
    QStringList exact;
    int next = 1;
    for (const QString& argument : positional) {
        QString found = argument;
        for (int i = next; i < argc; ++i) {
            if (QString::fromLocal8Bit(argv[i]) != argument) continue;
            found = FsName::fromBytes(QByteArray(argv[i]));
            next = i + 1;
            break;
        }
        exact << found;
    }
    return exact;
}

// What the command line asked for.
struct LaunchOptions {
    bool snapshot = false;  ///< write the pictures into snapshotFolder and quit
    QString snapshotFolder;
    bool benchLaunch = false;
    QString request = QStringLiteral("show");  ///< what a running Corvane is asked to do
    QStringList files;                         ///< offered for secure erase
};

// Parses the command line (help and version end the process here); nullopt with an exit code when
// the options can't be run.
std::optional<LaunchOptions> parseOptions(const QApplication& app, int argc, char** argv, int* exitCode) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Corvane: the Trash and clutter utility."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption snapshot(
        QStringLiteral("snapshot"),
        QStringLiteral("Write a PNG of each window, the menu and the popover into <dir>, then quit."),
        QStringLiteral("dir"));
    parser.addOption(snapshot);
    QCommandLineOption quickView(QStringLiteral("quick-view"),
                                 QStringLiteral("Show the quick-view popover."));
    parser.addOption(quickView);
    QCommandLineOption emptyTrash(QStringLiteral("empty-trash"),
                                  QStringLiteral("Empty the Trash (after the usual question)."));
    parser.addOption(emptyTrash);
    QCommandLineOption benchLaunch(
        QStringLiteral("bench-launch"),
        QStringLiteral("Print the time in microseconds since 1970 once the tray icon shows, then quit."));
    benchLaunch.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(benchLaunch);
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Files to offer for secure erase."),
                                 QStringLiteral("[files...]"));
    parser.process(app);

    LaunchOptions options;
    options.snapshot = parser.isSet(snapshot);
    options.snapshotFolder = parser.value(snapshot);
    // Snapshots write first-launch settings and scan the Trash: only ever on a sandbox.
    const QString sandbox = qEnvironmentVariable("CORVANE_ROOT");
    if (options.snapshot && (sandbox.isEmpty() || sandbox == QLatin1String("/"))) {
        std::fprintf(stderr, "Corvane: --snapshot works on a sandbox only; set CORVANE_ROOT to one\n");
        *exitCode = 2;
        return std::nullopt;
    }
    options.benchLaunch = parser.isSet(benchLaunch);
    for (const QString& arg : rawPositional(parser.positionalArguments(), argc, argv))
        options.files << QFileInfo(arg).absoluteFilePath();
    if (parser.isSet(quickView)) options.request = QStringLiteral("quick-view");
    if (parser.isSet(emptyTrash)) options.request = QStringLiteral("empty-trash");
    if (!options.files.isEmpty()) options.request = QStringLiteral("erase");
    return options;
}

// The desktop's services, or for snapshots ones that open nothing and wait for nobody.
AppServices makeServices(bool snapshotMode) {
    AppServices services;
    services.defaults = std::make_shared<Defaults>(Defaults::standardFilePath());
    services.paths = Paths::fromEnvironment();
    services.tasks = std::make_shared<Tasks>();
    services.loginItems = std::make_shared<LoginItems>(QString(), QCoreApplication::applicationFilePath());
    services.appearance = std::make_shared<DesktopAppearance>();
    services.systemVersion = std::make_shared<SystemVersion>();
    services.clock = std::make_shared<Clock>();
    if (UpdateAddress::builtIn()) {
        // Snapshots draw the update windows but never ask a server.
        QString refused;
        const QUrl address = snapshotMode ? QUrl() : UpdateAddress::documentUrl(&refused);
        if (!refused.isEmpty()) std::fprintf(stderr, "Corvane: %s\n", qUtf8Printable(refused));
        services.updateController = std::make_shared<PRUpdateController>(address);
    }
    if (snapshotMode) {
        // Pictures only: nothing may open outside the program or wait for a person.
        services.workspace = std::make_shared<NoOpeningWorkspace>(services.paths);
        services.alerts = std::make_shared<UnattendedAlerts>();
        services.authorization = std::make_shared<NoPrivilegedStart>();
        return services;
    }
    services.workspace = std::make_shared<DesktopWorkspace>(services.paths);
    services.notifications = std::make_shared<DBusDesktopNotifications>();
    services.authorization = std::make_shared<PkexecAuthorization>();
    services.alerts = std::make_shared<WidgetAlerts>();
    services.putBackQuestion = std::make_shared<PutBackQuestionBox>();
    // CORVANE_TRAY=none|available overrides what the desktop says.
    const QByteArray tray = qgetenv("CORVANE_TRAY");
    if (tray == "none" || tray == "available") {
        const bool forced = tray == "available";
        services.trayAvailable = [forced] { return forced; };
    } else {
        services.trayAvailable = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    }
    return services;
}

// Once the event loop runs the icon and the window have had their first showing: the time, then quit.
void printLaunchTimeOnceShown(AppDelegate& controller) {
    QTimer::singleShot(0, &controller, [&controller] {
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const bool shown = controller.statusItem() && controller.statusItem()->trayIcon()->isVisible();
        std::printf("%lld %s\n", static_cast<long long>(now.tv_sec) * 1000000LL + now.tv_nsec / 1000,
                    shown ? "tray" : "window");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}

// The snapshot mode: every window as a picture in `folder`, the files' names on standard output.
int writeSnapshots(AppDelegate& controller, const QString& folder) {
    QString error;
    const QStringList files = SnapshotWriter::writeAll(controller, folder, &error);
    for (const QString& f : files) std::printf("%s\n", qUtf8Printable(f));
    if (!files.isEmpty()) return 0;
    std::fprintf(stderr, "Corvane: %s\n", qUtf8Printable(error));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install();
    DesktopAppearance::applyForcedDarkPalette();

    int exitCode = 0;
    const std::optional<LaunchOptions> options = parseOptions(app, argc, argv, &exitCode);
    if (!options) return exitCode;
    const bool snapshotMode = options->snapshot;

    // One Corvane at a time: a later launch hands its request to the running one.
    SingleInstance instance(SingleInstance::standardSocketPath());
    if (!snapshotMode && !options->benchLaunch) {
        if (instance.sendToRunning(options->request, options->files)) return 0;
        if (!instance.listen()) std::fprintf(stderr, "Corvane: later launches cannot reach this one\n");
    }

    AppDelegate controller(makeServices(snapshotMode));
    controller.awakeFromNib();
    controller.applicationDidFinishLaunching();
    controller.showMainWindow();
    QObject::connect(&instance, &SingleInstance::requested, &controller, &AppDelegate::handleLaunchRequest);

    if (snapshotMode) return writeSnapshots(controller, options->snapshotFolder);
    if (options->request != QLatin1String("show"))
        QTimer::singleShot(0, &controller, [&controller, request = options->request, files = options->files] {
            controller.handleLaunchRequest(request, files);
        });
    if (options->benchLaunch) printLaunchTimeOnceShown(controller);
    return app.exec();
}
