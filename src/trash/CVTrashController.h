#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>

#include "CVTrashFileNode.h"

namespace FsTree {
class WalkEntry;
}
class OpenFolder;
class Paths;
class TrashStore;

/// Builds a tree of the whole content of the user's Trash, folders and their contents at every
/// depth, out of trash item records. Every entry gets exactly one node carrying its own values.
/// Order: files directly in the Trash go in front, folder nodes are inserted at their place in a
/// locale-aware order of names, and entries inside a folder are appended in the order they are
/// placed (with folders, again, at their sorted place). Not thread-safe; a build may run on a
/// worker as long as nothing else touches the controller meanwhile.
class CVTrashController {
  public:
    /// The size measurement (bytes for an entry met by the walk) and the put-back lookup (path for a
    /// display name) the description of an entry uses.
    using SizeFunction = std::function<quint64(const FsTree::WalkEntry& entry)>;
    using OrigPathFunction = std::function<QString(const QString& name)>;

    CVTrashController(std::shared_ptr<const Paths> paths, SizeFunction size, OrigPathFunction origPath);

    /// Builds the tree from the user's Trash folder (replacing what was there).
    void addTrashTreeList();
    /// The node of the Trash's entry `name` (of the opened Trash folder `trash`) with everything
    /// below it, built apart from content(); null when the entry is gone or is a dangling link.
    CVTrashFileNode::Ptr buildItem(const OpenFolder& trash, const QByteArray& name);
    /// Describes and places every entry below `folder`, depth first (pre-order).
    void EraseFileDirectoryPath(const QString& folder);
    /// Places one entry: `path` is its full path, `isFolder` whether it is a directory, `dict` its
    /// item dictionary.
    void addFolder(const QString& path, bool isFolder, const QVariantMap& dict);

    /// Drops one leading `ch`, then returns the part before the next `ch`; null if there is none
    /// or it is empty. "A/b/c" -> "A", "/A/b" -> "A", "A" -> null.
    static QString SubstringToCh(const QString& text, const QString& ch);
    /// Drops one leading `ch`, then returns the rest from the next `ch` on, `ch` included; null if
    /// there is none. "A/b/c" -> "/b/c", "A/" -> "/", "A" -> null.
    static QString SubstringFromCh(const QString& text, const QString& ch);

    /// The top-level nodes.
    const QList<CVTrashFileNode::Ptr>& content() const { return m_content; }
    QList<CVTrashFileNode::Ptr> takeContent();
    /// Name index: node name -> the node last placed with that name.
    const QHash<QString, CVTrashFileNode::Ptr>& fileDic() const { return m_fileDic; }
    /// Number of nodes at every depth.
    int nodeCount() const;

  private:
    // Copies would share the placement state behind m_impl while holding separate trees.
    CVTrashController(const CVTrashController&) = delete;
    CVTrashController& operator=(const CVTrashController&) = delete;

    struct Impl;
    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<const TrashStore> m_store;
    SizeFunction m_size;
    OrigPathFunction m_origPath;
    QList<CVTrashFileNode::Ptr> m_content;
    QHash<QString, CVTrashFileNode::Ptr> m_fileDic;
    std::shared_ptr<Impl> m_impl;
};
