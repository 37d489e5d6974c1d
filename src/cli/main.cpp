// corvane-cli: Corvane's capabilities without windows, for scripts, timers and servers.
#include "CliContext.h"
#include "app/FileUtilities.h"
#include "core/fs/FsName.h"
#include "platform/Alerts.h"
#include "platform/Defaults.h"
#include "platform/Paths.h"
#include "platform/Tasks.h"

#include <QCoreApplication>

#include <cstdio>

QList<CliVerb> cliVerbs() { return sizeVerbs() + trashVerbs() + rulesVerbs() + eraseVerbs() + autocleanVerbs(); }

QString escaped(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    out.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return FsName::displayText(out);  // bytes of a name that are not UTF-8 as \xNN
}

namespace {

void printHelp(QTextStream& out) {
    out << "Usage: corvane-cli [--yes] VERB [ARGUMENTS]\n"
        << "       corvane-cli --version | --help\n\n"
        << "Verbs:\n";
    for (const CliVerb& verb : cliVerbs())
        for (const CliHelpLine& line : verb.help) out << "  " << line.usage.leftJustified(28) << ' ' << line.summary << '\n';
    out << "\nOptions:\n"
        << "  --yes        answer every question with its default button\n"
        << "  --version    print the version\n"
        << "  --help       print this help\n\n"
        << "CORVANE_ROOT moves every path under a sandbox folder.\n";
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app.arguments().mid(1);
    bool assumeYes = false;
    QStringList rest;
    for (const QString& a : std::as_const(args)) {
        if (a == QLatin1String("--yes") || a == QLatin1String("-y"))
            assumeYes = true;
        else
            rest << a;
    }
    if (rest.isEmpty()) {
        printHelp(err);
        return CliExit::Usage;
    }
    const QString first = rest.takeFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        printHelp(out);
        return CliExit::Ok;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        out << "corvane-cli " << CORVANE_VERSION << '\n';
        return CliExit::Ok;
    }

    CliContext ctx;
    ctx.paths = Paths::fromEnvironment();
    ctx.tasks = std::make_shared<Tasks>();
    ctx.alerts = std::make_shared<ConsoleAlerts>(assumeYes);
    ctx.files = std::make_shared<FileUtilities>(ctx.paths, ctx.tasks);
    ctx.out = &out;
    ctx.err = &err;
    for (const CliVerb& verb : cliVerbs()) {
        if (verb.name != first) continue;
        // Only verbs that need the settings open the store, so a broken store never stops the others.
        if (verb.needsSettings) ctx.defaults = std::make_shared<Defaults>(Defaults::standardFilePath());
        return verb.run(rest, ctx);
    }
    err << "corvane-cli: unknown verb \"" << first << "\" (see corvane-cli --help)\n";
    return CliExit::Usage;
}
