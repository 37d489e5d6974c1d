// Tolvik: started by Corvane through pkexec with "--remove" and the entries of the user's Trash
// folders that resisted the user's own removal, removes exactly those as the administrator, warns
// once when too much is left, and quits. Without arguments it empties every Trash folder.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "TolvikAccount.h"
#include "TolvikCleaner.h"
#include "TolvikExitCode.h"
#include "TolvikWarning.h"
#include "platform/HelperProgram.h"
#include "platform/Paths.h"
#include "platform/SystemCommands.h"
#include "platform/Tasks.h"
#include "platform/WidgetAlerts.h"
#include "trash/ItemSizes.h"

namespace {

QtMessageHandler g_previousHandler = nullptr;
bool g_makingApplication = false;

// A display that is named but can't be reached ends in qFatal while the application is made;
// the warning then goes to the log instead and Tolvik exits with its own code.
void fallBackToLogOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    g_previousHandler(type, context, message);
    if (type == QtFatalMsg && g_makingApplication) {
        TolvikWarning::writeToSystemLog(TolvikWarning::alert());
        std::_Exit(TolvikExitCode::Warned);
    }
}

TolvikCleaner::Result clean(int& argc, char** argv, const TolvikAccount& account, const QStringList& named) {
    QCoreApplication core(argc, argv);
    // CORVANE_ROOT moves the layout as everywhere else; the user is the one pkexec named, and
    // their home comes from the user database, never from the environment.
    auto paths = Paths::forAccount(account.loginName(), account.uid());
    auto tasks = std::make_shared<Tasks>();
    const TolvikCleaner cleaner(paths, std::make_shared<SystemCommands>(tasks),
                                std::make_shared<ItemSizes>(paths, tasks));
    const TolvikCleaner::Result result = named.isEmpty() ? cleaner.run() : cleaner.removeNamed(named);
    for (const QString& why : result.refused)
        std::fprintf(stderr, "Tolvik: left alone: %s\n", qUtf8Printable(why));
    for (const QString& path : result.resisted)
        std::fprintf(stderr, "Tolvik: could not remove: %s\n", qUtf8Printable(FsName::displayText(path)));
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    // Read from argv as bytes: the encoding writes printable ASCII only, and anything else is refused.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLatin1(argv[i]);
    const std::optional<QStringList> named = HelperProgram::removalPaths(arguments);
    if (!named) {
        std::fprintf(stderr,
                     "Tolvik: usage: Tolvik [--remove PATH...] (each path percent-encoded); nothing was "
                     "changed.\n");
        return TolvikExitCode::Usage;
    }
    const TolvikAccount account = TolvikAccount::fromEnvironment();
    if (!account.isUsable()) {
        std::fprintf(stderr, "Tolvik: %s\n", qUtf8Printable(account.refusal()));
        return TolvikExitCode::Refused;
    }

    if (!clean(argc, argv, account, *named).needsWarning()) return TolvikExitCode::Done;

    const AlertRequest warning = TolvikWarning::alert();
    if (!TolvikWarning::displayAvailable()) {
        TolvikWarning::writeToSystemLog(warning);
        return TolvikExitCode::Warned;
    }
    // The widgets are made only now, when there is something to show.
    g_previousHandler = qInstallMessageHandler(fallBackToLogOnFatal);
    g_makingApplication = true;
    QApplication app(argc, argv);
    g_makingApplication = false;
    WidgetAlerts().runModal(warning);
    return TolvikExitCode::Warned;
}
