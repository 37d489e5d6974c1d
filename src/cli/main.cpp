// corvane-cli: Corvane's capabilities without windows, for scripts, timers and servers.
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

#include "CliContext.h"
#include "core/fs/FsName.h"
#include "platform/Alerts.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/Tasks.h"
#include "platform/Translations.h"
#include "trash/ItemSizes.h"
#include "update/UpdateAddress.h"

namespace {
/// "-" alone is no option: it names standard input or a file called "-".
bool isOption(const QString& arg) {
    return arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
}
}  // namespace

QList<CliVerb> cliVerbs() {
    return sizeVerbs() + trashVerbs() + rulesVerbs() + eraseVerbs() + autocleanVerbs() + desktopVerbs() +
           cookieVerbs() + updateVerbs();
}

CliArguments splitArguments(const QStringList& args, bool hasSubVerbs, bool* assumeYes) {
    CliArguments split;
    qsizetype i = 0;
    if (hasSubVerbs && i < args.size() && !args[i].startsWith(QLatin1Char('-'))) split.sub = args[i++];
    for (; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--")) {
            ++i;
            break;
        }
        if (!isOption(a)) break;
        if (a == QLatin1String("--yes") || a == QLatin1String("-y"))
            *assumeYes = true;
        else
            split.options << a;
    }
    split.operands = args.mid(i);
    return split;
}

bool onlyOptions(const CliArguments& args, const QStringList& allowed, const QString& verb, CliContext& ctx) {
    for (const QString& option : args.options) {
        if (allowed.contains(option)) continue;
        *ctx.err << "corvane-cli: "
                 << localized(
                        "%1 has no option \"%2\" (an argument that begins with \"-\" goes after \"--\")")
                        .arg(verb, escaped(option))
                 << '\n';
        return false;
    }
    return true;
}

QString escaped(const QString& text) {
    // Most names need nothing: a listing of a big Trash calls this a few times per item.
    const bool plain = std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char('\\') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
               c == QLatin1Char('\r');
    });
    if (plain && FsName::isPlain(text)) return text;
    QString out = text;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    out.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    out.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return FsName::displayText(out);  // bytes of a name that are not UTF-8 as \xNN
}

namespace {

void printHelp(QTextStream& out) {
    out << "Usage: corvane-cli [--yes] VERB [OPTIONS] [--] [ARGUMENTS]\n"
        << "       corvane-cli --version | --help\n\n"
        << "Verbs:\n";
    for (const CliVerb& verb : cliVerbs())
        for (const CliHelpLine& line : verb.help)
            // Two spaces at least between the columns: the manual page is written from this text.
            out << "  " << line.usage.leftJustified(27) << "  " << line.summary << '\n';
    out << "\nOptions (before the verb, or after it and before its arguments):\n"
        << "  --yes, -y    answer every question with its default button\n"
        << "  --           end of options: every argument after it is taken as it stands\n"
        << "               (a path that begins with \"-\")\n"
        << "  --version    print the version\n"
        << "  --help       print this help\n"
        << "  --dry-run    (after trash delete|shred, erase, desktop tidy|restore|delete, cookies remove)\n"
        << "               print the lines the real run would print (\"removed\", \"erased\",\n"
        << "               \"moved\", each with its paths, tab-separated), ask nothing and change\n"
        << "               nothing; what resists removal shows only when tried, so a dry run lists\n"
        << "               everything it would attempt\n\n"
        << "CORVANE_ROOT moves every path under a sandbox folder.\n";
    if (UpdateAddress::builtIn())
        out << "CORVANE_UPDATE_URL replaces the version document's address (https://, or http:// to this "
               "machine).\n";
}
}  // namespace

int main(int argc, char** argv) {
    // Without TZ the C library looks at /etc/localtime again for every local time it converts:
    // a Trash of 100,000 dated records would pay close to a million file lookups. Naming the same
    // file once keeps the zone and lets it be read once.
    if (qEnvironmentVariableIsEmpty("TZ")) qputenv("TZ", ":/etc/localtime");
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane-cli"));
    Translations::install();
    QTextStream out(stdout);
    QTextStream err(stderr);

    // Options before the verb; the verb's own options follow its name (see splitArguments).
    // From argv itself, byte for byte: a path that is not UTF-8 must reach the file layer whole.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << FsName::fromBytes(QByteArrayView(argv[i]));
    bool assumeYes = false;
    qsizetype at = 0;
    for (; at < args.size() && isOption(args[at]); ++at) {
        const QString& a = args[at];
        if (a == QLatin1String("--")) {
            ++at;
            break;
        }
        if (a == QLatin1String("--yes") || a == QLatin1String("-y")) {
            assumeYes = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            printHelp(out);
            return CliExit::Ok;
        } else if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            out << "corvane-cli " << CORVANE_VERSION << '\n';
            return CliExit::Ok;
        } else {
            err << "corvane-cli: "
                << localized("unknown option \"%1\" (see corvane-cli --help)").arg(escaped(a)) << '\n';
            return CliExit::Usage;
        }
    }
    if (at == args.size()) {
        printHelp(err);
        return CliExit::Usage;
    }
    const QString first = args[at];
    const QStringList rest = args.mid(at + 1);
    if (first == QLatin1String("help")) {
        printHelp(out);
        return CliExit::Ok;
    }
    const QList<CliVerb> verbs = cliVerbs();
    const auto verb =
        std::find_if(verbs.begin(), verbs.end(), [&](const CliVerb& v) { return v.name == first; });
    if (verb == verbs.end()) {
        err << "corvane-cli: "
            << localized("unknown verb \"%1\" (see corvane-cli --help)").arg(escaped(first)) << '\n';
        return CliExit::Usage;
    }
    const CliArguments verbArgs = splitArguments(rest, verb->hasSubVerbs, &assumeYes);

    CliContext ctx;
    ctx.paths = Paths::fromEnvironment();
    ctx.tasks = std::make_shared<Tasks>();
    ctx.alerts = std::make_shared<ConsoleAlerts>(assumeYes);
    ctx.files = std::make_shared<ItemSizes>(ctx.paths, ctx.tasks);
    ctx.out = &out;
    ctx.err = &err;
    // Only verbs that need the settings open the store, so a broken store never stops the others.
    if (verb->needsSettings) ctx.defaults = std::make_shared<Defaults>(Defaults::standardFilePath());
    return verb->run(verbArgs, ctx);
}
