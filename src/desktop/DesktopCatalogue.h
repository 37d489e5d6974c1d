#pragma once

#include <QList>
#include <QString>

#include "NQFileNode.h"

class OpenFolder;
struct FsEntry;

/// The store catalogue: every stored item, and one list per kind, the same record shared by the
/// all-items list and its kind list. Main thread only: a worker builds records with makeNode() or
/// scanFolder() and hands them over.
class DesktopCatalogue {
  public:
    using List = QList<NQFileNode::Ptr>;

    List& getDesktopAllArray() { return m_all; }
    List& getDesktopPicArray() { return m_pictures; }
    List& getDesktopDocArray() { return m_documents; }
    List& getDesktopArchArray() { return m_archives; }
    /// Always empty: videos are "Other"; the list backs the "Videos" view.
    List& getDesktopVideoArray() { return m_videos; }
    List& getDesktopFolderArray() { return m_folders; }
    List& getDesktopOtherArray() { return m_other; }

    /// The record of one entry of an opened folder (one lstat already made; a link is classified by
    /// what it leads to but keeps its own size and dates).
    static NQFileNode::Ptr makeNode(const OpenFolder& folder, const FsEntry& entry);
    /// The record of a path with nothing there (gone since it was listed): name, path and the kind
    /// its extension gives; no size or dates.
    static NQFileNode::Ptr nodeOfMissing(const QString& path);
    /// The record of the item at `path`; when nothing is there, nodeOfMissing().
    static NQFileNode::Ptr nodeAt(const QString& path);
    /// Records of the visible entries of a folder (names starting with "." are skipped), in the
    /// folder's order; nothing when it can't be read.
    static List scanFolder(const QString& folder);
    static List scanFolder(const OpenFolder& folder);

    /// Builds the record for `path` and appends it (step by step as a tidy moves items).
    void addShawDesktopByPath(const QString& path);
    /// Appends a record to its kind list, then to the all-items list.
    void append(const NQFileNode::Ptr& node);
    /// Catalogues the visible items of the store folder.
    void ScanDeskTopFileAndFolder(const QString& storeFolder);
    void ScanDeskTopFileAndFolder(const OpenFolder& storeFolder);
    /// Empties every list, then catalogues the store folder.
    void freshCurrentDeskTop(const QString& storeFolder);
    void freshCurrentDeskTop(const OpenFolder& storeFolder);
    /// Newest modification first, in every list but the (empty) video list.
    void SortAllDataArray();
    /// The list for a category title: "All Content", "Folders", "Pictures", "Documents", "Videos",
    /// "Archives", "Other"; any other title the all-items list.
    List& showDesktopArray(const QString& title);
    /// Drops `node`, and any other record of its path, from the all-items list and the kind lists.
    void remove(const NQFileNode::Ptr& node);
    /// Appends `node` in place of any record of the same path.
    void replace(const NQFileNode::Ptr& node);
    void clear();

  private:
    List& kindList(const QString& kind);

    List m_all, m_pictures, m_documents, m_archives, m_videos, m_folders, m_other;
};
