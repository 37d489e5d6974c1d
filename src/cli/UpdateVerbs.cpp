// update check: asks the server for the published version, as the program does at launch.
#include <QEventLoop>

#include "CliContext.h"
#include "platform/Localized.h"
#include "update/PRUpdateController.h"
#include "update/UpdateAddress.h"

namespace {

int check(CliContext& ctx) {
    QTextStream& out = *ctx.out;
    QTextStream& err = *ctx.err;
    QString refused;
    const QUrl address = UpdateAddress::documentUrl(&refused);
    if (address.isEmpty()) {
        err << "corvane-cli: " << refused << '\n';
        return CliExit::Failed;
    }
    PRUpdateController controller(address);
    controller.hidUpdateWindow();
    QEventLoop loop;
    auto outcome = PRUpdateController::Outcome::Failed;
    QObject::connect(&controller, &PRUpdateController::checkFinished, &loop,
                     [&](PRUpdateController::Outcome o) {
                         outcome = o;
                         loop.quit();
                     });
    controller.checkServerVersion();
    loop.exec();

    out << "installed: " << escaped(controller.currentVersion()) << '\n';
    if (outcome == PRUpdateController::Outcome::Failed ||
        outcome == PRUpdateController::Outcome::NoDocument) {
        out.flush();
        err << "corvane-cli: "
            << localized("the update check failed: %1 (%2)")
                   .arg(controller.lastProblem(), address.toString(QUrl::RemoveUserInfo))
            << '\n';
        return CliExit::Failed;
    }
    out << "published: " << escaped(controller.lastestVersion()) << '\n';
    if (outcome == PRUpdateController::Outcome::NotNewer) {
        out << "up to date\n";
        return CliExit::Ok;
    }
    out << "a newer version is available: " << UpdateAddress::downloadPage().toString() << '\n';
    const QStringList changes = controller.whatsnewString().split(QLatin1Char('*'), Qt::SkipEmptyParts);
    if (!changes.isEmpty()) out << "what's new:\n";
    for (const QString& line : changes) out << "  " << escaped(line.trimmed()) << '\n';
    return CliExit::UpdateAvailable;
}

}  // namespace

QList<CliVerb> updateVerbs() {
    if (!UpdateAddress::builtIn()) return {};
    CliVerb update;
    update.name = QStringLiteral("update");
    update.help = {{QStringLiteral("update check"),
                    QStringLiteral("the published version and what's new (exit 10: newer, 1: failed)")}};
    update.hasSubVerbs = true;
    update.run = [](const CliArguments& args, CliContext& ctx) {
        if (args.sub == QLatin1String("check") && args.options.isEmpty() && args.operands.isEmpty())
            return check(ctx);
        *ctx.err << "corvane-cli: " << localized("usage: %1").arg(QLatin1String("corvane-cli update check"))
                 << '\n';
        return CliExit::Usage;
    };
    return {update};
}
