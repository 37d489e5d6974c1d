#include "DesktopCatalogue.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>

#include "FileKinds.h"
#include "core/FileUtilities.h"
#include "core/Path.h"
#include "core/fs/OpenFolder.h"

namespace {

QDateTime fromTimespec(const struct statx_timestamp& t) {
    return QDateTime::fromMSecsSinceEpoch(qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000, Qt::UTC);
}

QString dateText(const QDateTime& date) {
    return date.isValid() ? date.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss +0000")) : QString();
}

}  // namespace

NQFileNode::Ptr DesktopCatalogue::makeNode(const OpenFolder& folder, const FsEntry& entry) {
    auto node = NQFileNode::create();
    node->fileName = entry.text();
    node->fullFilePath = folder.pathOf(entry.name);
    node->filesizenumber = quint64(qMax<off_t>(entry.st.st_size, 0));
    node->fileSize = FileUtilities::size_to_unit(node->filesizenumber);
    if (const std::optional<struct statx> times = folder.times(entry.name)) {
        const struct statx& sx = *times;
        node->thefileModifyDate = fromTimespec(sx.stx_mtime);
        // Where the file system keeps no birth time, the change of content is the best we know.
        const QDateTime created =
            (sx.stx_mask & STATX_BTIME) ? fromTimespec(sx.stx_btime) : node->thefileModifyDate;
        node->fileCreateDate = dateText(created);
        node->fileModifyDate = dateText(node->thefileModifyDate);
    }
    bool isFolder = entry.isFolder();
    if (entry.isLink()) {
        const std::optional<struct stat> target = folder.target(entry.name);
        isFolder = target && S_ISDIR(target->st_mode);
    }
    node->fileKindType = FileKinds::kindOf(node->fileName, isFolder);
    return node;
}

NQFileNode::Ptr DesktopCatalogue::nodeOfMissing(const QString& path) {
    auto node = NQFileNode::create();
    node->fileName = Path(path).leaf();
    node->fullFilePath = path;
    node->fileSize = FileUtilities::size_to_unit(0);
    node->fileKindType = FileKinds::kindOf(node->fileName, false);
    return node;
}

NQFileNode::Ptr DesktopCatalogue::nodeAt(const QString& path) {
    if (!path.startsWith(QLatin1Char('/'))) return nodeOfMissing(path);
    const OpenFolder folder = OpenFolder::openChosen(Path(path).parent().text());
    const QByteArray name = Path(path).leafBytes();
    const std::optional<struct stat> st = folder.entry(name);
    if (!st) return nodeOfMissing(path);
    return makeNode(folder, FsEntry{name, *st});
}

DesktopCatalogue::List DesktopCatalogue::scanFolder(const QString& folder) {
    // Never a relative path: it would be taken from wherever the program was started.
    if (!folder.startsWith(QLatin1Char('/'))) return {};
    return scanFolder(OpenFolder::openChosen(folder));
}

DesktopCatalogue::List DesktopCatalogue::scanFolder(const OpenFolder& folder) {
    List nodes;
    for (const FsEntry& entry : folder.entries()) {
        if (entry.name.startsWith('.')) continue;
        nodes << makeNode(folder, entry);
    }
    return nodes;
}

void DesktopCatalogue::addShawDesktopByPath(const QString& path) {
    if (NQFileNode::Ptr node = nodeAt(path)) append(node);
}

DesktopCatalogue::List& DesktopCatalogue::kindList(const QString& kind) {
    if (kind == QLatin1String(FileKinds::Folder)) return m_folders;
    if (kind == QLatin1String(FileKinds::Pictures)) return m_pictures;
    if (kind == QLatin1String(FileKinds::Archives)) return m_archives;
    if (kind == QLatin1String(FileKinds::Documents)) return m_documents;
    return m_other;
}

void DesktopCatalogue::append(const NQFileNode::Ptr& node) {
    kindList(node->fileKindType).append(node);
    m_all.append(node);
}

void DesktopCatalogue::ScanDeskTopFileAndFolder(const QString& storeFolder) {
    for (const NQFileNode::Ptr& node : scanFolder(storeFolder)) append(node);
}

void DesktopCatalogue::ScanDeskTopFileAndFolder(const OpenFolder& storeFolder) {
    for (const NQFileNode::Ptr& node : scanFolder(storeFolder)) append(node);
}

void DesktopCatalogue::freshCurrentDeskTop(const QString& storeFolder) {
    clear();
    ScanDeskTopFileAndFolder(storeFolder);
}

void DesktopCatalogue::freshCurrentDeskTop(const OpenFolder& storeFolder) {
    clear();
    ScanDeskTopFileAndFolder(storeFolder);
}

void DesktopCatalogue::clear() {
    for (List* list : {&m_all, &m_pictures, &m_documents, &m_archives, &m_videos, &m_folders, &m_other})
        list->clear();
}

void DesktopCatalogue::SortAllDataArray() {
    const auto newestFirst = [](const NQFileNode::Ptr& a, const NQFileNode::Ptr& b) {
        return a->thefileModifyDate > b->thefileModifyDate;
    };
    for (List* list : {&m_all, &m_pictures, &m_documents, &m_archives, &m_folders, &m_other})
        std::stable_sort(list->begin(), list->end(), newestFirst);
}

DesktopCatalogue::List& DesktopCatalogue::showDesktopArray(const QString& title) {
    if (title == QLatin1String("Folders")) return m_folders;
    if (title == QLatin1String("Pictures")) return m_pictures;
    if (title == QLatin1String("Documents")) return m_documents;
    if (title == QLatin1String("Videos")) return m_videos;
    if (title == QLatin1String("Archives")) return m_archives;
    if (title == QLatin1String("Other")) return m_other;
    return m_all;
}

void DesktopCatalogue::remove(const NQFileNode::Ptr& node) {
    // A record made by an earlier scan of the same item goes too: one item, one record.
    const QString path = node->fullFilePath;
    const auto samePath = [&](const NQFileNode::Ptr& n) { return n == node || n->fullFilePath == path; };
    for (List* list : {&m_all, &m_pictures, &m_documents, &m_archives, &m_videos, &m_folders, &m_other})
        list->removeIf(samePath);
}

void DesktopCatalogue::replace(const NQFileNode::Ptr& node) {
    remove(node);
    append(node);
}
