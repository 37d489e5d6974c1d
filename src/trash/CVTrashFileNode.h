#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <memory>

/// One entry of a Trash: a row of the trash table, a node of the trash tree and a row of the
/// protected-items window. Texts are null (nil) until a producer fills them; a record is filled once
/// and then only `bSelected` and the tree fields change.
class CVTrashFileNode {
  public:
    using Ptr = std::shared_ptr<CVTrashFileNode>;
    static Ptr create() { return std::make_shared<CVTrashFileNode>(); }
    CVTrashFileNode() = default;
    /// Lets go of the children level by level, so a tree thousands of folders deep needs no
    /// recursion as deep as itself.
    ~CVTrashFileNode();
    CVTrashFileNode(const CVTrashFileNode&) = default;
    CVTrashFileNode& operator=(const CVTrashFileNode&) = default;
    CVTrashFileNode(CVTrashFileNode&&) = default;
    CVTrashFileNode& operator=(CVTrashFileNode&&) = default;

    CVTrashFileNode* parent = nullptr;  ///< not owning; null at the top level and outside the tree
    QString theFileName;                ///< display name
    QString theFileSize;                ///< size text, or "--" where no size is measured
    quint64 filesize = 0;               ///< bytes; 0 where the size text is "--"
    QString theTrashPath;               ///< where the entry lies in the Trash; every action uses it
    QString theFilePermission;          ///< access text; null when the attributes can't be read
    QString theOrignalpath;             ///< where it would be put back, or "--"
    QString theVolume;                  ///< mount point of the volume whose Trash holds it; empty: home Trash
    QDateTime lastModifiedDate;         ///< invalid when the attributes can't be read
    QDateTime deletionDate;             ///< when it was moved to the Trash; invalid when not recorded
    bool bFile = false;                 ///< not a folder (files, links of any kind)
    quint32 mode = 0;                   ///< type and permission bits of the entry itself (st_mode); 0 unknown
    bool isLeaf = false;                ///< tree only: shown without children
    bool canBack = false;
    bool bSelected = false;  ///< check box of the protected-items window

    /// The children list itself.
    QList<Ptr>& children() { return Children; }
    const QList<Ptr>& children() const { return Children; }
    /// Keeps a copy of `list`; nothing happens when it is this node's own list.
    void setChildren(const QList<Ptr>& list);
    /// Appends `node`; its `parent` is the caller's to set.
    void addChildren(const Ptr& node) { Children.append(node); }

  private:
    QList<Ptr> Children;
};

/// The keyed description of one entry from which the tree makes its nodes.
namespace TrashItemDict {
inline constexpr QLatin1StringView Name{"Name"};
inline constexpr QLatin1StringView FileSize{"FileSize"};
inline constexpr QLatin1StringView FileSizeNum{"FileSizeNum"};
inline constexpr QLatin1StringView Permission{"Permission"};
inline constexpr QLatin1StringView OrigFilePath{"OrigFilePath"};

/// A dictionary with all five keys; a null permission is stored as an invalid value (nil).
QVariantMap make(const QString& name, const QString& sizeText, quint64 bytes, const QString& permission,
                 const QString& origFilePath);
}  // namespace TrashItemDict
