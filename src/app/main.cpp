// Corvane: the tray program and its windows.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>
#include <ctime>

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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install();
    DesktopAppearance::applyForcedDarkPalette();

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
    const bool snapshotMode = parser.isSet(snapshot);
    // Snapshots write first-launch settings and scan the Trash: only ever on a sandbox.
    const QString sandbox = qEnvironmentVariable("CORVANE_ROOT");
    if (snapshotMode && (sandbox.isEmpty() || sandbox == QLatin1String("/"))) {
        std::fprintf(stderr, "Corvane: --snapshot works on a sandbox only; set CORVANE_ROOT to one\n");
        return 2;
    }

    const bool benchMode = parser.isSet(benchLaunch);
    // Files given on the command line are offered for secure erase.
    QStringList files;
    for (const QString& arg : rawPositional(parser.positionalArguments(), argc, argv))
        files << QFileInfo(arg).absoluteFilePath();

    // One Corvane at a time: a later launch hands its request to the running one.
    SingleInstance instance(SingleInstance::standardSocketPath());
    QString request = QStringLiteral("show");
    if (parser.isSet(quickView)) request = QStringLiteral("quick-view");
    if (parser.isSet(emptyTrash)) request = QStringLiteral("empty-trash");
    if (!files.isEmpty()) request = QStringLiteral("erase");
    if (!snapshotMode && !benchMode) {
        if (instance.sendToRunning(request, files)) return 0;
        if (!instance.listen()) std::fprintf(stderr, "Corvane: later launches cannot reach this one\n");
    }

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
    } else {
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
    }

    AppDelegate controller(services);
    controller.awakeFromNib();
    controller.applicationDidFinishLaunching();
    controller.showMainWindow();
    QObject::connect(&instance, &SingleInstance::requested, &controller, &AppDelegate::handleLaunchRequest);

    if (request != QLatin1String("show") && !snapshotMode)
        QTimer::singleShot(0, &controller,
                           [&controller, request, files] { controller.handleLaunchRequest(request, files); });
    if (benchMode) {
        // Once the event loop runs the icon and the window have had their first showing.
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

    if (snapshotMode) {
        QString error;
        const QStringList files = SnapshotWriter::writeAll(controller, parser.value(snapshot), &error);
        for (const QString& f : files) std::printf("%s\n", qUtf8Printable(f));
        if (files.isEmpty()) {
            std::fprintf(stderr, "Corvane: %s\n", qUtf8Printable(error));
            return 1;
        }
        return 0;
    }
    return app.exec();
}
