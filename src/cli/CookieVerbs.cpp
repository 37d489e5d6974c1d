// cookies: the browsers' cookies without windows: list, export (text or cookies.txt), remove.
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliContext.h"
#include "cookies/BinaryCookieReader.h"
#include "cookies/CookieDatabase.h"
#include "cookies/CookieExport.h"
#include "cookies/CookieRemoval.h"
#include "cookies/CookieSources.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/Paths.h"

namespace {

struct Request {
    QString source;
    QString to;
    bool json = false;
    bool netscape = false;
    bool dryRun = false;
};

enum class Kind { Binary, Chrome, Firefox, Unknown };

struct Source {
    Kind kind = Kind::Unknown;
    QString path;
};

bool parse(const CliArguments& args, const QString& verb, const QStringList& flags, Request& r,
           CliContext& ctx) {
    const QStringList tokens = args.options + args.operands;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString& t = tokens[i];
        auto value = [&](const char* name, QString& into) {
            const QString option = QLatin1String(name);
            if (t == option && i + 1 < tokens.size()) {
                into = tokens[++i];
                return true;
            }
            if (t.startsWith(option + QLatin1Char('='))) {
                into = t.mid(option.size() + 1);
                return true;
            }
            return false;
        };
        if (flags.contains(QStringLiteral("--source")) && value("--source", r.source)) continue;
        if (flags.contains(QStringLiteral("--to")) && value("--to", r.to)) continue;
        if (flags.contains(t) && t == QLatin1String("--json")) {
            r.json = true;
            continue;
        }
        if (flags.contains(t) && t == QLatin1String("--dry-run")) {
            r.dryRun = true;
            continue;
        }
        if (flags.contains(t) && t == QLatin1String("--netscape")) {
            r.netscape = true;
            continue;
        }
        *ctx.err << "corvane-cli: " << localized("%1: unexpected \"%2\"").arg(verb, escaped(t)) << '\n';
        return false;
    }
    if (r.source.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("%1 needs --source safari|chrome|firefox|FILE").arg(verb)
                 << '\n';
        return false;
    }
    return true;
}

Source resolve(const QString& source, const Paths& paths) {
    if (source == QLatin1String("safari")) return {Kind::Binary, CookieSources::safariCookieFile(paths)};
    if (source == QLatin1String("chrome")) return {Kind::Chrome, CookieSources::chromeCookieFile(paths)};
    if (source == QLatin1String("firefox")) return {Kind::Firefox, CookieSources::firefoxCookieFile(paths)};
    const QFileInfo info(source);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath());
    const auto head = folder.isOpen() ? folder.readFile(FsName::toBytes(info.fileName()), 16) : std::nullopt;
    if (head && head->startsWith("cook")) return {Kind::Binary, info.absoluteFilePath()};
    if (head && CookieDatabase::hasDatabaseHeader(*head)) {
        const auto kind = CookieDatabase::kindOf(info.absoluteFilePath());
        if (kind == CookieDatabase::Kind::Chrome) return {Kind::Chrome, info.absoluteFilePath()};
        if (kind == CookieDatabase::Kind::Firefox) return {Kind::Firefox, info.absoluteFilePath()};
    }
    return {Kind::Unknown, info.absoluteFilePath()};
}

// The cookies of a source; false with the reason on standard error when there is nothing to read.
bool read(const Request& r, CliContext& ctx, Source& source, CookieList& cookies) {
    source = resolve(r.source, *ctx.paths);
    if (source.path.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("no %1 cookies found").arg(r.source) << '\n';
        return false;
    }
    if (source.kind == Kind::Unknown) {
        *ctx.err << "corvane-cli: " << localized("\"%1\" is not a cookie file").arg(escaped(source.path))
                 << '\n';
        return false;
    }
    QString problem;
    if (source.kind == Kind::Binary) {
        auto result = BinaryCookieReader::ReadCookBinaryFileWithPath(source.path);
        cookies = std::move(result.cookies);
        problem = result.problem;
    } else {
        auto result = CookieDatabase::read(source.path);
        cookies = std::move(result.cookies);
        problem = result.problem;
    }
    if (!problem.isEmpty()) {
        *ctx.err << "corvane-cli: " << problem << '\n';
        return false;
    }
    return true;
}

int list(const CliArguments& args, CliContext& ctx) {
    Request r;
    if (!parse(args, QStringLiteral("cookies list"), {"--source", "--json"}, r, ctx)) return CliExit::Usage;
    Source source;
    CookieList cookies;
    if (!read(r, ctx, source, cookies)) return CliExit::Failed;
    if (r.json) {
        QJsonArray rows;
        for (const PRCookFileNode& c : std::as_const(cookies)) {
            QJsonObject o{{"host", c.fileHost},          {"name", c.fileName},     {"path", c.filePath},
                          {"value", c.fileValue},        {"secure", c.isSecure()}, {"httpOnly", c.httpOnly},
                          {"encrypted", c.undecryptable}};
            o.insert(QStringLiteral("expires"),
                     c.expiryUnix ? QJsonValue(double(*c.expiryUnix)) : QJsonValue());
            rows.append(o);
        }
        *ctx.out << QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
        return CliExit::Ok;
    }
    for (const PRCookFileNode& c : std::as_const(cookies))
        *ctx.out << escaped(c.fileHost) << '\t' << escaped(c.fileName) << '\t' << escaped(c.filePath) << '\t'
                 << c.secureValue << '\t'
                 << (c.expiredDate.isNull() ? QStringLiteral("session") : c.expiredDate) << '\t'
                 << escaped(c.fileValue) << '\n';
    return CliExit::Ok;
}

int exportCookies(const CliArguments& args, CliContext& ctx) {
    Request r;
    if (!parse(args, QStringLiteral("cookies export"), {"--source", "--to", "--netscape"}, r, ctx))
        return CliExit::Usage;
    Source source;
    CookieList cookies;
    if (!read(r, ctx, source, cookies)) return CliExit::Failed;
    QByteArray data;
    int leftOut = 0;
    if (r.netscape) {
        data = CookieExport::netscapeText(cookies, &leftOut);
    } else {
        PRRtfController builder;
        for (const PRCookFileNode& c : std::as_const(cookies))
            builder.addRtfContent(PRRtfController::lineFor(c));
        data = builder.strRtfContent.toUtf8();
    }
    const QString folder = ctx.paths->cookieExportFolder();
    const QString target = !r.to.isEmpty() ? QFileInfo(r.to).absoluteFilePath()
                                           : folder + QLatin1Char('/') +
                                                 (r.netscape ? QStringLiteral("cookies.txt")
                                                             : QLatin1String(CookieExport::FileName));
    if (r.to.isEmpty()) QDir().mkpath(folder);
    if (!CookieExport::writePrivateFile(target, data)) {
        *ctx.err << "corvane-cli: " << localized("\"%1\" could not be written").arg(escaped(target)) << '\n';
        return CliExit::Failed;
    }
    *ctx.out << escaped(target) << '\n';
    if (leftOut > 0)
        *ctx.err << "corvane-cli: "
                 << localized(
                        "%1 cookie(s) left out: encrypted with a key Corvane could not use, or not carried "
                        "by cookies.txt")
                        .arg(leftOut)
                 << '\n';
    return CliExit::Ok;
}

int remove(const CliArguments& args, CliContext& ctx) {
    Request r;
    if (!parse(args, QStringLiteral("cookies remove"), {"--source", "--dry-run"}, r, ctx))
        return CliExit::Usage;
    const Source source = resolve(r.source, *ctx.paths);
    if (source.path.isEmpty() || source.kind == Kind::Unknown) {
        *ctx.err << "corvane-cli: "
                 << localized("no cookies to remove at \"%1\"")
                        .arg(escaped(source.path.isEmpty() ? r.source : source.path))
                 << '\n';
        return CliExit::Failed;
    }
    // How many there are, read before anything changes: the line says how many went.
    Source read_;
    CookieList cookies;
    const bool counted = read(r, ctx, read_, cookies);
    // "removed", the source file and the number of cookies it held ("?" when they can't be read).
    const QString line = QStringLiteral("removed\t") + escaped(source.path) + QLatin1Char('\t') +
                         (counted ? QString::number(cookies.size()) : QStringLiteral("?")) +
                         QLatin1Char('\n');
    if (r.dryRun) {
        // Whether the browser holds the database locked is only known by trying.
        *ctx.out << line;
        return CliExit::Ok;
    }
    if (ctx.alerts->runModal({localized("Remove every cookie of \"%1\"?").arg(source.path),
                              localized(" Remove "), localized(" Cancel "), QString()}) != Alerts::Default)
        return CliExit::Failed;
    const auto result = source.kind == Kind::Binary
                            ? CookieRemoval::replaceBinaryFile(source.path, CookieRemoval::sampleCookies())
                            : CookieRemoval::removeDatabaseCookies(
                                  source.path, source.kind == Kind::Firefox ? CookieDatabase::Kind::Firefox
                                                                            : CookieDatabase::Kind::Chrome);
    if (result.outcome != CookieRemoval::Outcome::Removed) {
        *ctx.err << "corvane-cli: "
                 << (result.problem.isEmpty() ? localized("nothing was removed") : result.problem) << '\n';
        return CliExit::Failed;
    }
    *ctx.out << line;
    return CliExit::Ok;
}

int cookiesVerb(const CliArguments& args, CliContext& ctx) {
    if (args.sub == QLatin1String("list")) return list(args, ctx);
    if (args.sub == QLatin1String("export")) return exportCookies(args, ctx);
    if (args.sub == QLatin1String("remove")) return remove(args, ctx);
    *ctx.err << "corvane-cli: " << localized("cookies needs list, export or remove") << '\n';
    return CliExit::Usage;
}

}  // namespace

QList<CliVerb> cookieVerbs() {
    CliVerb verb;
    verb.name = QStringLiteral("cookies");
    verb.hasSubVerbs = true;
    verb.help = {{QStringLiteral("cookies list --source S [--json]"),
                  QStringLiteral("the cookies of safari, chrome, firefox or a cookie FILE")},
                 {QStringLiteral("cookies export [--netscape] --source S [--to FILE]"),
                  QStringLiteral("write them as text, or as cookies.txt (mode 0600)")},
                 {QStringLiteral("cookies remove [--dry-run] --source S"),
                  QStringLiteral(
                      "remove every cookie of the source; a \"removed\" line with the file and the count")}};
    verb.run = cookiesVerb;
    return {verb};
}
