#include "CVTrashController.h"

#include <sys/stat.h>

#include <QCollator>
#include <QFile>
#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

#include "TrashStore.h"
#include "core/FileUtilities.h"
#include "core/fs/FsTree.h"
#include "platform/Paths.h"

// Where a folder node goes: in front of the first node of its list whose name sorts after it. The
// lists are not sorted (files directly in the Trash go in front, files in a folder go at the end),
// but that first node is always a "record": a node whose name sorts after every name in front of
// it. The records of a list sort strictly ascending, so the place is found by a binary search over
// them, and no insertion ever turns an existing non-record into a record. The order is exactly the
// one a scan from the front gives.

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

    /// Places `path` by its path relative to the Trash, making the folders on the way that have no
    /// node yet; returns its node, or null when the path is not inside the Trash.
    CVTrashFileNode::Ptr placePath(CVTrashController& owner, const QString& path, bool isFolder,
                                   const QVariantMap& dict) {
        const QString trash = owner.m_paths->userTrash();
        if (path.size() <= trash.size() + 1 || !path.startsWith(trash) ||
            path[trash.size()] != QLatin1Char('/'))
            return nullptr;
        const QList<QStringView> parts =
            QStringView(path).mid(trash.size() + 1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        if (parts.isEmpty()) return nullptr;

        CVTrashFileNode* parent = nullptr;
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            const QString name = parts[i].toString();
            const qsizetype end = (parts[i].data() - path.data()) + parts[i].size();
            const auto& folders = lists[parent].folders;
            const auto found = folders.constFind(name);
            if (found != folders.constEnd()) {
                parent = found.value().get();
            } else {
                // Offered before its folder: the folder is made on the way with this entry's values.
                parent = place(owner, parent, name, path.left(end), true, dict).get();
            }
        }
        return place(owner, parent, parts.last().toString(), path, isFolder, dict);
    }

    /// What the tree shows of one entry met by the walk; nothing when it is gone or is a dangling
    /// link. Everything is read relative to the entry's opened folder, so no path length limits how
    /// deep an entry may lie.
    struct Description {
        QVariantMap dict;
        bool isFolder = false;
    };
    std::optional<Description> describe(CVTrashController& owner, const FsTree::WalkEntry& entry,
                                        const QString& name, bool topLevel) {
        // The walk's one look at the entry gives both the dangling-link check and the access text.
        if (S_ISLNK(entry.st().st_mode) && !entry.target()) return std::nullopt;  // dangling
        const QString access = FileUtilities::shortPermissionText(entry.st().st_mode);
        const quint64 bytes = owner.m_size ? owner.m_size(entry) : 0;
        const TrashStore::TreeRow row = owner.m_store->treeRow(name, topLevel, owner.m_origPath);
        // The size measurement may take long; an entry gone meanwhile is skipped. A link to a folder is
        // a leaf: following it could leave the Trash or loop.
        const std::optional<struct stat> st = entry.lookAgain();
        if (!st) return std::nullopt;
        return Description{
            TrashItemDict::make(row.display, FileUtilities::size_to_unit(bytes), bytes, access, row.putBack),
            S_ISDIR(st->st_mode)};
    }

    /// Places an entry of the first depth (the walk's start may lie anywhere in the Trash).
    using PlaceFirst =
        std::function<CVTrashFileNode::Ptr(const FsTree::WalkEntry&, const QString&, const Description&)>;

    /// The walk's visitor that describes and places each entry. Below the first depth the parent
    /// node is known, so no entry walks the tree from the top. `parents` outlives the walk.
    std::function<bool(const FsTree::WalkEntry&)> placing(CVTrashController& owner, bool firstAreItems,
                                                          PlaceFirst placeFirst,
                                                          std::vector<CVTrashFileNode*>& parents) {
        return [this, &owner, firstAreItems, placeFirst = std::move(placeFirst),
                &parents](const FsTree::WalkEntry& entry) {
            const std::size_t depth = std::size_t(entry.depth());
            parents.resize(depth - 1);
            const QString name = FsName::fromBytes(entry.name());
            const std::optional<Description> described =
                describe(owner, entry, name, firstAreItems && depth == 1);
            if (!described) return false;
            const CVTrashFileNode::Ptr node = depth == 1 ? placeFirst(entry, name, *described)
                                                         : place(owner, parents.back(), name, entry.path(),
                                                                 described->isFolder, described->dict);
            if (!described->isFolder || !node) return false;
            // A folder the walk can't enter (unreadable) keeps its node without children.
            parents.push_back(node.get());
            return true;
        };
    }
};

CVTrashController::CVTrashController(std::shared_ptr<const Paths> paths, SizeFunction size,
                                     OrigPathFunction origPath)
    : m_paths(std::move(paths)),
      m_store(TrashStore::forPaths(m_paths)),
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
    QString start = folder;
    while (start.size() > 1 && start.endsWith(QLatin1Char('/'))) start.chop(1);
    // The Trash is reached without following a link at any step, as every other reader does; the
    // file layer's walk goes down from it by descriptor, so neither the thread's stack nor PATH_MAX
    // limits how deep a Trash may go.
    const OpenFolder opened = OpenFolder::open(start);
    std::vector<CVTrashFileNode*> parents;
    FsTree::walk(
        opened,
        m_impl->placing(
            *this, start == m_paths->userTrash(),
            [this](const FsTree::WalkEntry& entry, const QString&, const Impl::Description& described) {
                return m_impl->placePath(*this, entry.path(), described.isFolder, described.dict);
            },
            parents));
}

CVTrashFileNode::Ptr CVTrashController::buildItem(const OpenFolder& trash, const QByteArray& name) {
    CVTrashFileNode::Ptr item;
    std::vector<CVTrashFileNode*> parents;
    FsTree::walkEntry(trash, name,
                      m_impl->placing(
                          *this, true,
                          [&item](const FsTree::WalkEntry& entry, const QString& shown,
                                  const Impl::Description& described) {
                              item = CVTrashFileNode::create();
                              Impl::fill(*item, shown, entry.path(), described.isFolder, described.dict);
                              return item;
                          },
                          parents));
    // The lists' state is kept by node; none of these nodes is placed again.
    m_fileDic.clear();
    m_impl->lists.clear();
    return item;
}

void CVTrashController::addFolder(const QString& path, bool isFolder, const QVariantMap& dict) {
    m_impl->placePath(*this, path, isFolder, dict);
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
