#include "TrashInfo.h"

#include <QDir>
#include <QSet>

#include "DirectorySizes.h"
#include "core/ParallelMap.h"
#include "core/Path.h"
#include "core/fs/OpenFolder.h"
#include "platform/Paths.h"

namespace {

const QLatin1String InfoSuffix(".trashinfo");

// Below this many records, starting the other threads costs more than it saves.
constexpr qsizetype ParallelFrom = 256;
constexpr qsizetype ReadSlice = 4096;

bool wellEscaped(QByteArrayView value) {
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '%') continue;
        if (i + 2 >= value.size() || !isxdigit(uchar(value[i + 1])) || !isxdigit(uchar(value[i + 2])))
            return false;
        i += 2;
    }
    return true;
}

// File names are bytes: what is not UTF-8 is kept losslessly; only a NUL can't be part of a path.
std::optional<QString> pathText(const QByteArray& bytes) {
    if (bytes.contains('\0')) return std::nullopt;
    return FsName::fromBytes(bytes);
}

// Reads `count` digits at `at`; -1 when any is not a digit.
int digits(const QByteArray& text, qsizetype at, int count) {
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

// The two forms the records use, read field by field: the general date parser costs more than
// reading the whole record, and a Trash of 100,000 items has as many dates to read.
std::optional<QDateTime> quickDate(const QByteArray& text) {
    const bool dashed = text.size() == 19;
    if (!dashed && text.size() != 15) return std::nullopt;
    const char* shape = dashed ? "dddd-dd-ddTdd:dd:dd" : "ddddddddTdddddd";
    for (qsizetype i = 0; i < text.size(); ++i)
        if (shape[i] != 'd' && text[i] != shape[i]) return std::nullopt;
    const int at[6] = {
        0, dashed ? 5 : 4, dashed ? 8 : 6, dashed ? 11 : 9, dashed ? 14 : 11, dashed ? 17 : 13};
    int field[6];
    for (int i = 0; i < 6; ++i)
        if ((field[i] = digits(text, at[i], i == 0 ? 4 : 2)) < 0) return std::nullopt;
    const QDate date(field[0], field[1], field[2]);
    const QTime time(field[3], field[4], field[5]);
    return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}

QDateTime parseDate(QByteArrayView value) {
    const QByteArray trimmed = value.trimmed().toByteArray();
    if (const std::optional<QDateTime> quick = quickDate(trimmed)) return *quick;
    const QString text = QString::fromLatin1(trimmed);
    QDateTime date = QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!date.isValid()) date = QDateTime::fromString(text, QStringLiteral("yyyyMMddTHHmmss"));
    return date;
}

// QDir::cleanPath, skipped for the usual path that has nothing to clean.
QString cleaned(const QString& path) {
    const bool clean = !path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1String("/.")) &&
                       !path.contains(QLatin1String("//")) && !path.contains(QLatin1String("/./")) &&
                       !path.contains(QLatin1String("/..")) && path.startsWith(QLatin1Char('/'));
    return clean ? path : QDir::cleanPath(path);
}

}  // namespace

namespace TrashInfo {

std::optional<Record> parse(const QByteArray& text, bool withDate) {
    bool inGroup = false;
    bool sawGroup = false;
    std::optional<QByteArrayView> path;
    std::optional<QByteArrayView> date;
    // Read through views of the text: a big Trash has this many records to parse.
    for (QByteArrayView rest(text); !rest.isEmpty();) {
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.endsWith('\r')) line.chop(1);
        if (line.startsWith('[')) {
            inGroup = line.trimmed() == "[Trash Info]";
            sawGroup = sawGroup || inGroup;
            continue;
        }
        if (!inGroup) continue;
        if (line.startsWith("Path=") && !path)
            path = line.sliced(5);
        else if (line.startsWith("DeletionDate=") && !date)
            date = line.sliced(13);
    }
    if (!sawGroup || !path || path->isEmpty() || !wellEscaped(*path)) return std::nullopt;
    const std::optional<QString> decoded = pathText(QByteArray::fromPercentEncoding(path->toByteArray()));
    if (!decoded || decoded->isEmpty()) return std::nullopt;
    for (const QStringView step : QStringView(*decoded).split(QLatin1Char('/')))
        if (step == QLatin1String("..")) return std::nullopt;
    Record record;
    record.path = *decoded;
    if (date && withDate) record.deletionDate = parseDate(*date);
    return record;
}

QByteArray format(const QString& path, const QDateTime& deletionDate) {
    // "/" stays readable, everything else outside the unreserved set is escaped.
    return "[Trash Info]\nPath=" + FsName::toBytes(path).toPercentEncoding("/") +
           "\nDeletionDate=" + deletionDate.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() + "\n";
}

QString trashFolderOfFiles(const QString& filesFolder) {
    if (!filesFolder.endsWith(QLatin1String("/files"))) return QString();
    return filesFolder.chopped(6);
}

QString trashFolderOf(const QString& itemPath) {
    const qsizetype slash = itemPath.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0 || slash == itemPath.size() - 1) return QString();
    return trashFolderOfFiles(itemPath.left(slash));
}

QString infoFileOf(const QString& itemPath) {
    const QString trash = trashFolderOf(itemPath);
    if (trash.isEmpty()) return QString();
    return trash + QStringLiteral("/info/") + Path(itemPath).leaf() + InfoSuffix;
}

namespace {

using Named = std::optional<std::pair<QString, Record>>;
using EachRecord = std::function<void(const QString&, const Record&)>;

// The info files `fileNames` of `info`, read on every core when there are many, handed to `each`.
void readInfoFiles(const OpenFolder& info, const QList<QByteArray>& fileNames, const QString& topFolder,
                   const Paths& paths, const EachRecord& each) {
    const QByteArray suffix = QByteArray(InfoSuffix.data(), InfoSuffix.size());
    const auto readOne = [&](const QByteArray& fileName) -> Named {
        if (!fileName.endsWith(suffix) || fileName.size() == suffix.size()) return std::nullopt;
        // An info file is a few lines; a huge one is not ours to read whole, and a FIFO or a link
        // in its place is not read at all.
        const std::optional<QByteArray> text = info.readFile(fileName, 64 * 1024);
        if (!text) return std::nullopt;
        std::optional<Record> record = parse(*text);
        if (!record) return std::nullopt;
        const QString original = record->path.startsWith(QLatin1Char('/'))
                                     ? paths.inRoot(record->path)
                                     : topFolder + QLatin1Char('/') + record->path;
        record->path = cleaned(original);
        // Kept for as long as the item is listed: no spare room from the joining above.
        if (record->path.capacity() > record->path.size()) record->path.squeeze();
        return std::pair{FsName::fromBytes(fileName.chopped(suffix.size())), std::move(*record)};
    };
    // One open and one read per record is most of what listing a big Trash costs: every core reads.
    const QList<Named> read = mappedInOrder(fileNames, readOne, ParallelFrom);
    for (const Named& named : read)
        if (named) each(named->first, named->second);
}

}  // namespace

void eachRecord(const QString& trash, const QString& topFolder, const Paths& paths, const EachRecord& each) {
    const OpenFolder info = OpenFolder::open(trash).child(QByteArray("info"));
    // A slice of names at a time, so that neither all names nor all records wait at once.
    info.namesInSlices(
        ReadSlice, [&](QList<QByteArray>&& slice) { readInfoFiles(info, slice, topFolder, paths, each); });
}

QHash<QString, Record> readRecords(const QString& trash, const QString& topFolder, const Paths& paths) {
    QHash<QString, Record> records;
    eachRecord(trash, topFolder, paths,
               [&](const QString& name, const Record& r) { records.insert(name, r); });
    return records;
}

QHash<QString, Record> readRecordsOf(const QString& trash, const QList<QByteArray>& items,
                                     const QString& topFolder, const Paths& paths) {
    const OpenFolder info = OpenFolder::open(trash).child(QByteArray("info"));
    QList<QByteArray> fileNames;
    fileNames.reserve(items.size());
    for (const QByteArray& item : items)
        if (!item.isEmpty()) fileNames << item + QByteArray(InfoSuffix.data(), InfoSuffix.size());
    QHash<QString, Record> records;
    records.reserve(fileNames.size());
    readInfoFiles(info, fileNames, topFolder, paths,
                  [&](const QString& name, const Record& r) { records.insert(name, r); });
    return records;
}

QHash<QString, QString> readFolder(const QString& trash, const QString& topFolder, const Paths& paths) {
    QHash<QString, QString> originals;
    const QHash<QString, Record> records = readRecords(trash, topFolder, paths);
    for (auto it = records.cbegin(); it != records.cend(); ++it) originals.insert(it.key(), it->path);
    return originals;
}

void forgetItem(const QString& itemPath) {
    const QString trash = trashFolderOf(itemPath);
    if (trash.isEmpty()) return;
    const OpenFolder folder = OpenFolder::open(trash);
    const QByteArray name = Path(itemPath).leafBytes();
    const OpenFolder files = folder.child(QByteArray("files"));
    if (!files.isOpen() || files.has(name)) return;
    folder.child(QByteArray("info")).unlinkEntry(name + InfoSuffix.data());
}

bool orphanMayGo(const OpenFolder& info, const QByteArray& fileName, const QSet<QByteArray>& removed) {
    if (removed.contains(fileName.chopped(InfoSuffix.size()))) return true;
    const std::optional<struct stat> st = info.entry(fileName);
    return st && qAbs(QDateTime::currentSecsSinceEpoch() - qint64(st->st_mtim.tv_sec)) >= 60;
}

int removeOrphans(const QString& trash, const QSet<QByteArray>& removedItems) {
    int count = 0;
    // Never through a link: an "info" or "files" that leads elsewhere is left alone.
    const OpenFolder folder = OpenFolder::open(trash);
    const OpenFolder info = folder.child(QByteArray("info"));
    const OpenFolder files = folder.child(QByteArray("files"));
    if (!info.isOpen() || !files.isOpen()) return 0;
    const QByteArray suffix = QByteArray(InfoSuffix.data(), InfoSuffix.size());
    QSet<QString> items;
    const QList<QByteArray> present = files.names();
    const QSet<QByteArray> inFiles(present.cbegin(), present.cend());
    for (const QByteArray& fileName : info.namesByInode()) {
        if (!fileName.endsWith(suffix)) continue;
        const QByteArray name = fileName.chopped(suffix.size());
        if (!name.isEmpty() && inFiles.contains(name)) {
            items.insert(FsName::fromBytes(name));
            continue;
        }
        if (orphanMayGo(info, fileName, removedItems) && info.unlinkEntry(fileName)) ++count;
    }
    DirectorySizes sizes(trash);
    sizes.load();
    sizes.keepOnly(items);
    sizes.save();
    return count;
}

}  // namespace TrashInfo
