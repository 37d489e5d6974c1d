#include <QJsonObject>
#include <cstdio>
#include <vector>

#include "CliContext.h"
#include "core/FileUtilities.h"
#include "core/JsonArrayWriter.h"
#include "core/fs/FsTree.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/Workspace.h"
#include "trash/ItemSizes.h"
#include "trash/PutBackReader.h"
#include "trash/TrashScanner.h"
#include "trash/TrashTreeItems.h"

namespace {

QString orDash(const QString& text) {
    return text.isNull() ? QStringLiteral("--") : text;
}

QString dateText(const QDateTime& date) {
    if (!date.isValid()) return QStringLiteral("--");
    const QDateTime utc = date.toUTC();
    const QDate day = utc.date();
    // Formatted by hand: the general formatter costs more than the rest of a listed line.
    if (day.year() < 1000 || day.year() > 9999) return utc.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QTime time = utc.time();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", day.year(), day.month(), day.day(),
                  time.hour(), time.minute(), time.second());
    return QString::fromLatin1(text);
}

int listVerb(const CliArguments& args, CliContext& ctx) {
    if (!onlyOptions(args, {QStringLiteral("--json")}, QStringLiteral("trash list"), ctx))
        return CliExit::Usage;
    if (!args.operands.isEmpty()) {
        *ctx.err << "corvane-cli: "
                 << localized("trash list takes only --json, not \"%1\"").arg(escaped(args.operands.first()))
                 << '\n';
        return CliExit::Usage;
    }
    const bool json = args.options.contains(QStringLiteral("--json"));
    auto workspace = std::make_shared<Workspace>(ctx.paths);
    TrashScanner scanner(ctx.paths, ctx.files, std::make_shared<TrashOrigPaths>(), workspace);
    // Each item is written as soon as it is listed: nothing holds the whole listing.
    if (json) {
        JsonArrayWriter out(*ctx.out);
        scanner.scanEach([&](const CVTrashFileNode::Ptr& item) {
            QJsonObject o;
            o.insert(QStringLiteral("name"), item->theFileName);
            o.insert(QStringLiteral("size"), item->theFileSize);
            o.insert(QStringLiteral("bytes"), static_cast<qint64>(item->filesize));
            o.insert(QStringLiteral("access"),
                     item->theFilePermission.isNull() ? QJsonValue() : QJsonValue(item->theFilePermission));
            o.insert(QStringLiteral("original"), item->theOrignalpath);
            o.insert(QStringLiteral("date"), item->lastModifiedDate.isValid()
                                                 ? QJsonValue(dateText(item->lastModifiedDate))
                                                 : QJsonValue());
            o.insert(QStringLiteral("path"), item->theTrashPath);
            out.add(o);
        });
        out.finish();
        return CliExit::Ok;
    }
    const quint64 total = scanner.scanEach([&ctx](const CVTrashFileNode::Ptr& item) {
        *ctx.out << escaped(item->theFileName) << '\t' << item->theFileSize << '\t' << item->filesize << '\t'
                 << orDash(item->theFilePermission) << '\t' << escaped(item->theOrignalpath) << '\t'
                 << dateText(item->lastModifiedDate) << '\t' << escaped(item->theTrashPath) << '\n';
    });
    *ctx.err << "Trash Storage - - " << FileUtilities::size_to_unit(total) << '\n';
    return CliExit::Ok;
}

void printLine(QTextStream& out, const CVTrashFileNode& node, qsizetype depth) {
    out << QString(depth * 2, QLatin1Char(' ')) << escaped(node.theFileName) << (node.isLeaf ? "" : "/")
        << '\t' << node.theFileSize << '\t' << orDash(node.theFilePermission) << '\t'
        << (node.theOrignalpath.isEmpty() ? QStringLiteral("--") : escaped(node.theOrignalpath)) << '\n';
}

/// Pre-order, with an explicit stack: an item thousands of folders deep prints like a shallow one.
void printItem(QTextStream& out, const CVTrashFileNode& item) {
    struct Level {
        const QList<CVTrashFileNode::Ptr>* nodes;
        qsizetype next;
    };
    printLine(out, item, 0);
    std::vector<Level> stack{{&item.children(), 0}};
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next == level.nodes->size()) {
            stack.pop_back();
            continue;
        }
        const CVTrashFileNode& node = *level.nodes->at(level.next++);
        printLine(out, node, static_cast<qsizetype>(stack.size()));
        if (!node.children().isEmpty()) stack.push_back({&node.children(), 0});
    }
}

int treeVerb(const CliArguments& args, CliContext& ctx) {
    if (!args.options.isEmpty() || !args.operands.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("trash tree takes no arguments") << '\n';
        return CliExit::Usage;
    }
    auto origPaths = std::make_shared<TrashOrigPaths>();
    origPaths->rebuild(*ctx.paths);
    auto files = ctx.files;
    const TrashTreeItems items(
        ctx.paths, [files](const FsTree::WalkEntry& entry) { return files->sizeOfEntry(entry); },
        [origPaths](const QString& name) { return origPaths->getOrigFilePath(name); });
    // Each item is printed as soon as it is built: nothing holds the whole tree.
    items.each([&ctx](const CVTrashFileNode& item) { printItem(*ctx.out, item); });
    return CliExit::Ok;
}

int putbackVerb(const CliArguments& args, CliContext& ctx) {
    if (!args.options.isEmpty() || !args.operands.isEmpty()) {
        *ctx.err << "corvane-cli: " << localized("trash putback-paths takes no arguments") << '\n';
        return CliExit::Usage;
    }
    TrashOrigPaths origPaths;
    origPaths.rebuild(*ctx.paths);
    origPaths.forEachEntry([&ctx](const QString& entry) { *ctx.out << escaped(entry) << '\n'; });
    return CliExit::Ok;
}

}  // namespace

QList<CliVerb> trashVerbs() {
    CliVerb trash;
    trash.name = QStringLiteral("trash");
    trash.help = {
        {QStringLiteral("trash list [--json]"),
         QStringLiteral("every item of every Trash: name, size, bytes, access, original place, date, path")},
        {QStringLiteral("trash tree"), QStringLiteral("the whole user's Trash as an indented tree")},
        {QStringLiteral("trash putback-paths"),
         QStringLiteral("the original places recorded in the Trash, in file order")},
        {QStringLiteral("trash empty"),
         QStringLiteral("empty every Trash by force, asking first (--yes answers)")},
        {QStringLiteral("trash empty --older-than DAYS"),
         QStringLiteral("remove only items deleted more than DAYS days ago, protected ones kept; one "
                        "\"removed\" line each")},
        {QStringLiteral("trash empty --list|--dry-run"),
         QStringLiteral("--list: one \"removed\" line per entry gone; --dry-run (also with --older-than): "
                        "those lines, nothing changed")},
        {QStringLiteral("trash delete [--dry-run] NAME..."),
         QStringLiteral("remove items (names as trash list shows them, or their paths); one \"removed\" "
                        "line each")},
        {QStringLiteral("trash shred [--dry-run] NAME..."),
         QStringLiteral("overwrite and remove items; one \"erased\" line each")},
        {QStringLiteral("trash delete|shred --match PATTERN..."),
         QStringLiteral("the items whose name or original place matches a wildcard (\"*.o\", \"/tmp/*\")")},
        {QStringLiteral("trash put [--copy-to-home] [--dry-run] PATH..."),
         QStringLiteral("move files and folders into the Trash of their disk (--copy-to-home: into the "
                        "home Trash when their disk has none); one \"trashed\" line each")},
        {QStringLiteral("trash putback [--force] NAME..."),
         QStringLiteral("move items back where they came from (never over anything); an item of a "
                        "volume's Trash goes outside that volume only with --force")},
        {QStringLiteral("  [--keep-both|--replace|--skip] [--dry-run]"),
         QStringLiteral("when the place is taken: come back under a free name, trash what is there "
                        "first, or leave the item")},
        {QStringLiteral("trash undo [--dry-run]"),
         QStringLiteral("take back the last trash put or put back")},
    };
    trash.needsSettings = true;  // empty reads the protection rules
    trash.hasSubVerbs = true;
    trash.run = [](const CliArguments& args, CliContext& ctx) {
        const QString& sub = args.sub;
        if (sub == QLatin1String("list")) return listVerb(args, ctx);
        if (sub == QLatin1String("tree")) return treeVerb(args, ctx);
        if (sub == QLatin1String("putback-paths")) return putbackVerb(args, ctx);
        bool handled = false;
        int status = trashMoveVerb(args, ctx, &handled);
        if (handled) return status;
        status = trashActionVerb(args, ctx, &handled);
        if (handled) return status;
        *ctx.err
            << "corvane-cli: "
            << localized(
                   "trash needs one of: list, tree, putback-paths, put, empty, delete, shred, putback, undo")
            << '\n';
        return CliExit::Usage;
    };
    return {trash};
}
