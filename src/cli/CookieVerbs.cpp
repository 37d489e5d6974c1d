// cookies: the browsers' cookies without windows: list, export (text or cookies.txt), remove.
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

#include "CookieCli.h"
#include "cookies/BinaryCookieReader.h"
#include "cookies/CookieDatabase.h"
#include "cookies/CookieExport.h"
#include "cookies/CookieRemoval.h"
#include "cookies/CookieSites.h"
#include "cookies/CookieSources.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "core/fs/StreamedFile.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "platform/Paths.h"

namespace CookieCli {

bool parse(const CliArguments& args, const QString& verb, const QStringList& flags, Request& r,
           CliContext& ctx) {
    const QStringList tokens = args.options + args.operands;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString& t = tokens[i];
        auto value = [&](const char* name, QString& into) {
            const QString option = QLatin1String(name);
            if (!flags.contains(option)) return false;
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
        QString site;
        if (value("--source", r.source) || value("--to", r.to) || value("--name", r.name)) continue;
        if (value("--site", site)) {
            r.sites << site;
            continue;
        }
        const std::pair<const char*, bool*> switches[] = {{"--json", &r.json},
                                                          {"--dry-run", &r.dryRun},
                                                          {"--netscape", &r.netscape},
                                                          {"--force", &r.force},
                                                          {"--keep-list", &r.keepList}};
        const auto it = std::find_if(std::begin(switches), std::end(switches),
                                     [&](const auto& s) { return t == QLatin1String(s.first); });
        if (it != std::end(switches) && flags.contains(t)) {
            *it->second = true;
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

Source resolve(const QString& source, CliContext& ctx, QString* refused) {
    using CookieRemoval::Store;
    const Paths& paths = *ctx.paths;
    if (source == QLatin1String("safari"))
        return {true, Store::Binary, CookieSources::safariCookieFile(paths)};
    if (source == QLatin1String("chrome"))
        return {true, Store::Chrome, CookieSources::chromeCookieFile(paths)};
    if (source == QLatin1String("firefox"))
        return {true, Store::Firefox, CookieSources::firefoxCookieFile(paths, refused)};
    const QFileInfo info(source);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath());
    const auto head = folder.isOpen() ? folder.readFile(FsName::toBytes(info.fileName()), 16) : std::nullopt;
    if (head && head->startsWith("cook")) return {true, Store::Binary, info.absoluteFilePath()};
    if (head && CookieDatabase::hasDatabaseHeader(*head)) {
        const auto kind = CookieDatabase::kindOf(info.absoluteFilePath());
        if (kind == CookieDatabase::Kind::Chrome) return {true, Store::Chrome, info.absoluteFilePath()};
        if (kind == CookieDatabase::Kind::Firefox) return {true, Store::Firefox, info.absoluteFilePath()};
    }
    return {false, Store::Binary, info.absoluteFilePath()};
}

bool forEach(const Request& r, CliContext& ctx, Source& source,
             const std::function<void(PRCookFileNode&&)>& each) {
    QString refused;
    source = resolve(r.source, ctx, &refused);
    if (source.path.isEmpty()) {
        // A profile that was found but not read says why, not "none found".
        *ctx.err << "corvane-cli: "
                 << (refused.isEmpty() ? localized("no %1 cookies found").arg(r.source) : refused) << '\n';
        return false;
    }
    if (!source.found) {
        *ctx.err << "corvane-cli: " << localized("\"%1\" is not a cookie file").arg(escaped(source.path))
                 << '\n';
        return false;
    }
    QString problem;
    if (source.store == CookieRemoval::Store::Binary) {
        auto result = BinaryCookieReader::ReadCookBinaryFileWithPath(source.path);
        for (PRCookFileNode& c : result.cookies) each(std::move(c));
        problem = result.problem;
    } else {
        problem = CookieDatabase::readEach(source.path, each).problem;
    }
    if (!problem.isEmpty()) {
        *ctx.err << "corvane-cli: " << problem << '\n';
        return false;
    }
    return true;
}

bool read(const Request& r, CliContext& ctx, Source& source, CookieList& cookies) {
    return forEach(r, ctx, source, [&cookies](PRCookFileNode&& c) { cookies.append(std::move(c)); });
}

}  // namespace CookieCli

namespace {

using namespace CookieCli;

// The command line marks and spares what the window does.
QStringList storedKeepList(const CliContext& ctx) {
    return ctx.defaults ? CookieSites::keepList(*ctx.defaults) : QStringList();
}

// Whether --site and --name pick a cookie (`sites` already made sites).
bool picked(const PRCookFileNode& c, const QStringList& sites, const QString& name) {
    return (name.isEmpty() || c.fileName == name) &&
           (sites.isEmpty() || CookieSites::isKept(c.fileHost, sites));
}

// Lines (or JSON objects) as the rows are read: a million cookies are never held at once.
int list(const CliArguments& args, CliContext& ctx) {
    Request r;
    if (!parse(args, QStringLiteral("cookies list"), {"--source", "--json", "--site", "--name"}, r, ctx))
        return CliExit::Usage;
    QStringList sites;
    for (const QString& s : std::as_const(r.sites)) sites << CookieSites::siteOf(s);
    const QStringList keepList = storedKeepList(ctx);
    QTextStream& out = *ctx.out;
    qint64 written = 0;
    Source source;
    const bool ok = forEach(r, ctx, source, [&](PRCookFileNode&& c) {
        if (!picked(c, sites, r.name)) return;
        if (r.json) {
            out << (written == 0 ? "[\n" : ",\n") << QString::fromUtf8(CookieExport::jsonLine(c, keepList));
        } else {
            // The first columns as they always were; SameSite and the partition after the value.
            out << escaped(c.fileHost) << '\t' << escaped(c.fileName) << '\t' << escaped(c.filePath) << '\t'
                << c.secureValue << '\t'
                << (c.expiredDate.isNull() ? QStringLiteral("session") : c.expiredDate) << '\t'
                << escaped(c.fileValue) << '\t' << (c.sameSite.isEmpty() ? QStringLiteral("-") : c.sameSite)
                << '\t' << (c.partition.isEmpty() ? QStringLiteral("-") : escaped(c.partition)) << '\n';
        }
        ++written;
    });
    if (r.json && (ok || written > 0)) out << (written == 0 ? "[]\n" : "\n]\n");
    return ok ? CliExit::Ok : CliExit::Failed;
}

QString defaultName(const Request& r) {
    return r.json       ? QStringLiteral("cookies.json")
           : r.netscape ? QStringLiteral("cookies.txt")
                        : QLatin1String(CookieExport::FileName);
}

void sayLeftOut(CliContext& ctx, int leftOut, int partitioned) {
    if (leftOut > 0)
        *ctx.err << "corvane-cli: "
                 << localized(
                        "%1 cookie(s) left out: encrypted with a key Corvane could not use, or not carried "
                        "by cookies.txt")
                        .arg(leftOut)
                 << '\n';
    if (partitioned > 0)
        *ctx.err << "corvane-cli: "
                 << localized("%1 partitioned cookie(s) left out: cookies.txt has no place for the partition")
                        .arg(partitioned)
                 << '\n';
}

// One format's pieces, written to the file as the rows are read.
struct ExportWriter {
    const Request& r;
    const QStringList& keepList;
    StreamedFile& file;
    qint64 written = 0;
    qint64 undecryptable = 0;
    int leftOut = 0;
    int partitioned = 0;

    void begin() {
        if (r.netscape) file.write(CookieExport::NetscapeHeader);
    }
    void add(const PRCookFileNode& c) {
        ++written;
        if (c.undecryptable) ++undecryptable;
        if (r.netscape) {
            file.write(CookieExport::netscapeLine(c, &leftOut, &partitioned));
        } else if (r.json) {
            file.write(written == 1 ? "[\n" : ",\n");
            file.write(CookieExport::jsonLine(c, keepList));
        } else {
            file.write(PRRtfController::lineFor(c).toUtf8());
            file.write("\n\n");
        }
    }
    void end() {
        if (r.json) file.write(written == 0 ? "[]\n" : "\n]\n");
    }
};

int exportCookies(const CliArguments& args, CliContext& ctx) {
    Request r;
    if (!parse(args, QStringLiteral("cookies export"),
               {"--source", "--to", "--netscape", "--json", "--site", "--name"}, r, ctx))
        return CliExit::Usage;
    if (r.json && r.netscape) {
        *ctx.err << "corvane-cli: " << localized("cookies export: --json and --netscape exclude each other")
                 << '\n';
        return CliExit::Usage;
    }
    const QString exportFolder = ctx.paths->cookieExportFolder();
    const QString target = !r.to.isEmpty() ? QFileInfo(r.to).absoluteFilePath()
                                           : exportFolder + QLatin1Char('/') + defaultName(r);
    if (r.to.isEmpty()) QDir().mkpath(exportFolder);
    // Written as the rows are read, into a new file that replaces the target only when whole.
    const OpenFolder folder = OpenFolder::openChosen(QFileInfo(target).absolutePath());
    StreamedFile file(folder, FsName::toBytes(QFileInfo(target).fileName()), 0600);
    QStringList sites;
    for (const QString& s : std::as_const(r.sites)) sites << CookieSites::siteOf(s);
    const QStringList keepList = storedKeepList(ctx);
    ExportWriter writer{r, keepList, file};
    writer.begin();
    Source source;
    if (!forEach(r, ctx, source, [&](PRCookFileNode&& c) {
            if (picked(c, sites, r.name)) writer.add(c);
        }))
        return CliExit::Failed;
    writer.end();
    if (writer.written > 0 && writer.undecryptable == writer.written) {
        *ctx.err << "corvane-cli: " << CookieExport::nothingDecrypted(writer.written) << '\n';
        return CliExit::Failed;
    }
    if (!file.commit()) {
        *ctx.err << "corvane-cli: " << localized("\"%1\" could not be written").arg(escaped(target)) << '\n';
        return CliExit::Failed;
    }
    *ctx.out << escaped(target) << '\n';
    sayLeftOut(ctx, writer.leftOut, writer.partitioned);
    return CliExit::Ok;
}

int cookiesVerb(const CliArguments& args, CliContext& ctx) {
    if (args.sub == QLatin1String("list")) return list(args, ctx);
    if (args.sub == QLatin1String("export")) return exportCookies(args, ctx);
    if (args.sub == QLatin1String("remove")) return CookieCli::remove(args, ctx);
    if (args.sub == QLatin1String("keep")) return CookieCli::keep(args, ctx);
    *ctx.err << "corvane-cli: " << localized("cookies needs list, export, remove or keep") << '\n';
    return CliExit::Usage;
}

}  // namespace

QList<CliVerb> cookieVerbs() {
    CliVerb verb;
    verb.name = QStringLiteral("cookies");
    verb.hasSubVerbs = true;
    verb.help = {
        {QStringLiteral("cookies list --source S [--site HOST]... [--name NAME] [--json]"),
         QStringLiteral("the cookies of safari, chrome, firefox or a cookie FILE")},
        {QStringLiteral(
             "cookies export [--netscape|--json] --source S [--site HOST]... [--name NAME] [--to FILE]"),
         QStringLiteral("write them as text, cookies.txt or JSON (mode 0600)")},
        {QStringLiteral(
             "cookies remove [--dry-run] [--force] --source S [--site HOST]... [--name NAME] [--keep-list]"),
         QStringLiteral("remove the source's cookies (of those sites, of that name), the kept sites spared; "
                        "\"removed\" and \"kept\" lines with the file and the counts")},
        {QStringLiteral("cookies keep add|remove|list [HOST]"),
         QStringLiteral("the sites whose cookies every removal spares")}};
    verb.needsSettings = true;  // the keep-list
    verb.run = cookiesVerb;
    return {verb};
}
