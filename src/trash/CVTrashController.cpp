#include "CVTrashController.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QCollator>
#include <QFile>
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "app/FileUtilities.h"
#include "platform/Paths.h"

// Where a folder node goes: in front of the first node of its list whose name sorts after it. The
// lists are not sorted (files directly in the Trash go in front, files in a folder go at the end),
// but that first node is always a "record": a node whose name sorts after every name in front of
// it. The records of a list sort strictly ascending, so the place is found by a binary search over
// them, and no insertion ever turns an existing non-record into a record. The order is exactly the
// one a scan from the front gives.

namespace {

/// The names in a folder in the order the file system lists them, "." and ".." left out; empty
/// when the folder can't be listed.
QStringList listFolder(const QString& folder) {
    QStringList names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
        names.append(QFile::decodeName(n));
    }
    ::closedir(dir);
    return names;
}

bool statPath(const QString& path, struct stat* st, bool followLink) {
    const QByteArray native = QFile::encodeName(path);
    return (followLink ? ::stat(native.constData(), st) : ::lstat(native.constData(), st)) == 0;
}

}  // namespace

struct CVTrashController::Impl {
    struct Record {
        QCollatorSortKey key;
        qsizetype pos;  ///< index in the list
    };
    /// What is known about one list (the top level, or one folder's children) beyond its nodes.
    struct ListState {
        std::vector<Record> records;                   ///< ascending by key and by position
        QHash<QString, CVTrashFileNode::Ptr> folders;  ///< folder nodes of the list by name
    };

    QCollator collator;  // the default locale, as it was when the controller was made
    std::unordered_map<const CVTrashFileNode*, ListState> lists;  // null: the top level

    /// Index of the first record whose key sorts after `key`.
    static std::size_t firstAfter(const std::vector<Record>& records, const QCollatorSortKey& key) {
        const auto it =
            std::upper_bound(records.begin(), records.end(), key,
                             [](const QCollatorSortKey& k, const Record& r) { return k.compare(r.key) < 0; });
        return static_cast<std::size_t>(it - records.begin());
    }

    static void fill(CVTrashFileNode& node, const QString& name, const QString& path, bool isFolder,
                     const QVariantMap& dict) {
        node.theFileName = name;
        node.theTrashPath = path;
        node.theFileSize = dict.value(TrashItemDict::FileSize).toString();
        node.filesize = dict.value(TrashItemDict::FileSizeNum).toULongLong();
        const QVariant permission = dict.value(TrashItemDict::Permission);
        node.theFilePermission = permission.isValid() ? permission.toString() : QString();
        node.theOrignalpath = dict.value(TrashItemDict::OrigFilePath).toString();
        node.bFile = !isFolder;
        node.isLeaf = !isFolder;
    }

    /// Places a node named `name` in the children of `parent` (the top level when null) and returns
    /// it; an existing folder of that name is reused (it takes the values given here).
    CVTrashFileNode::Ptr place(CVTrashController& owner, CVTrashFileNode* parent, const QString& name,
                               const QString& path, bool isFolder, const QVariantMap& dict) {
        QList<CVTrashFileNode::Ptr>& list = parent ? parent->children() : owner.m_content;
        ListState& state = lists[parent];
        if (isFolder) {
            const auto existing = state.folders.constFind(name);
            if (existing != state.folders.constEnd()) {
                const CVTrashFileNode::Ptr node = existing.value();
                fill(*node, name, path, true, dict);
                owner.m_fileDic.insert(name, node);
                return node;
            }
        }
        auto node = CVTrashFileNode::create();
        fill(*node, name, path, isFolder, dict);
        node->parent = parent;
        QCollatorSortKey key = collator.sortKey(name);
        std::vector<Record>& records = state.records;

        if (isFolder) {
            const std::size_t at = firstAfter(records, key);
            const qsizetype pos = at < records.size() ? records[at].pos : list.size();
            list.insert(pos, node);
            for (std::size_t i = at; i < records.size(); ++i) ++records[i].pos;
            // All in front sort at or before the new name: a record only if the one in front is before.
            if (at == 0 || records[at - 1].key.compare(key) < 0)
                records.insert(records.begin() + static_cast<std::ptrdiff_t>(at),
                               Record{std::move(key), pos});
            state.folders.insert(name, node);
        } else if (!parent) {
            list.prepend(node);
            // Records that don't sort after the new first name stop being records.
            const std::size_t kept = firstAfter(records, key);
            records.erase(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(kept));
            for (Record& r : records) ++r.pos;
            records.insert(records.begin(), Record{std::move(key), 0});
        } else {
            list.append(node);
            if (records.empty() || records.back().key.compare(key) < 0)
                records.push_back(Record{std::move(key), list.size() - 1});
        }
        owner.m_fileDic.insert(name, node);
        return node;
    }

    /// Describes the entry at `path` (named `name`) and places it. Returns true when it is a real
    /// folder whose content comes next; false when it is a leaf or was skipped.
    bool describeAndPlace(CVTrashController& owner, const QString& path, const QString& name) {
        // System calls are most of a build's time, so the entry's own attributes are read once and
        // give both the dangling-link check and the access text (what getShortFilePermissionwithPath
        // would read again).
        struct stat st;
        if (!statPath(path, &st, false)) return false;  // gone already
        if (S_ISLNK(st.st_mode)) {
            struct stat target;
            if (!statPath(path, &target, true)) return false;  // a dangling link
        }
        const QString access = FileUtilities::shortPermissionText(st.st_mode);
        const quint64 bytes = owner.m_size ? owner.m_size(path) : 0;
        QString display;
        QString putBack;
        if (owner.m_paths->layout() == Paths::Layout::Freedesktop) {
            // Every name is shown whole; only the Trash's own items have an info file.
            display = name;
            const bool topLevel = path.size() == owner.m_paths->userTrash().size() + 1 + name.size();
            putBack = topLevel && owner.m_origPath ? owner.m_origPath(name) : QStringLiteral("--");
        } else {
            display = name.startsWith(QLatin1Char('.')) ? name.mid(1) : name;
            // Names that began with two dots have no put-back record to look up.
            putBack = display.startsWith(QLatin1Char('.')) || !owner.m_origPath ? QString(QLatin1String(""))
                                                                               : owner.m_origPath(display);
        }
        const QVariantMap dict =
            TrashItemDict::make(display, FileUtilities::size_to_unit(bytes), bytes, access, putBack);
        // The size measurement may take long; an entry gone meanwhile is skipped. A link to a folder is
        // a leaf: following it could leave the Trash or loop.
        if (!statPath(path, &st, false)) return false;
        const bool isFolder = S_ISDIR(st.st_mode);
        owner.addFolder(path, isFolder, dict);
        return isFolder;
    }
};

CVTrashController::CVTrashController(std::shared_ptr<const Paths> paths, SizeFunction size,
                                     OrigPathFunction origPath)
    : m_paths(std::move(paths)),
      m_size(std::move(size)),
      m_origPath(std::move(origPath)),
      m_impl(std::make_shared<Impl>()) {}

void CVTrashController::addTrashTreeList() {
    m_content.clear();
    m_fileDic.clear();
    m_impl->lists.clear();
    EraseFileDirectoryPath(m_paths->userTrash());
}

void CVTrashController::EraseFileDirectoryPath(const QString& folder) {
    // An explicit stack rather than recursion, so a very deep Trash can't exhaust the thread's stack.
    // Each level's names are read up front, so only one folder is open at a time.
    struct Level {
        QString folder;
        QStringList names;
        qsizetype next = 0;
    };
    QString start = folder;
    while (start.size() > 1 && start.endsWith(QLatin1Char('/'))) start.chop(1);
    std::vector<Level> stack;
    stack.push_back(Level{start, listFolder(start)});
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next == level.names.size()) {
            stack.pop_back();
            continue;
        }
        const QString& name = level.names[level.next++];
        const QString path = level.folder + QLatin1Char('/') + name;
        if (m_impl->describeAndPlace(*this, path, name)) stack.push_back(Level{path, listFolder(path)});
    }
}

void CVTrashController::addFolder(const QString& path, bool isFolder, const QVariantMap& dict) {
    const QString trash = m_paths->userTrash();
    if (path.size() <= trash.size() + 1 || !path.startsWith(trash) || path[trash.size()] != QLatin1Char('/'))
        return;
    const QList<QStringView> parts =
        QStringView(path).mid(trash.size() + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty()) return;

    CVTrashFileNode* parent = nullptr;
    qsizetype end = trash.size();
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QString name = parts[i].toString();
        end = (parts[i].data() - path.data()) + parts[i].size();
        const auto& folders = m_impl->lists[parent].folders;
        const auto found = folders.constFind(name);
        if (found != folders.constEnd()) {
            parent = found.value().get();
        } else {
            // Offered before its folder: the folder is made on the way with this entry's values.
            parent = m_impl->place(*this, parent, name, path.left(end), true, dict).get();
        }
    }
    m_impl->place(*this, parent, parts.last().toString(), path, isFolder, dict);
}

QString CVTrashController::SubstringToCh(const QString& text, const QString& ch) {
    if (ch.isEmpty()) return QString();
    const QStringView rest = text.startsWith(ch) ? QStringView(text).mid(ch.size()) : QStringView(text);
    const qsizetype at = rest.indexOf(ch, 1);
    return at > 0 ? rest.left(at).toString() : QString();
}

QString CVTrashController::SubstringFromCh(const QString& text, const QString& ch) {
    if (ch.isEmpty()) return QString();
    const QStringView rest = text.startsWith(ch) ? QStringView(text).mid(ch.size()) : QStringView(text);
    const qsizetype at = rest.indexOf(ch, 1);
    return at > 0 ? rest.mid(at).toString() : QString();
}

QList<CVTrashFileNode::Ptr> CVTrashController::takeContent() {
    QList<CVTrashFileNode::Ptr> content = std::move(m_content);
    m_content.clear();
    m_fileDic.clear();
    m_impl->lists.clear();
    return content;
}

int CVTrashController::nodeCount() const {
    int count = 0;
    std::vector<const QList<CVTrashFileNode::Ptr>*> pending{&m_content};
    while (!pending.empty()) {
        const QList<CVTrashFileNode::Ptr>* list = pending.back();
        pending.pop_back();
        count += static_cast<int>(list->size());
        for (const auto& node : *list)
            if (!node->children().isEmpty()) pending.push_back(&node->children());
    }
    return count;
}
