#pragma once

#include <QList>
#include <memory>

#include "CVTrashFileNode.h"
#include "core/TextPool.h"
#include "core/fs/OpenFolder.h"

class TrashStore;

/// The records of a folder inside a Trash, handed out a part at a time: the folder is opened and
/// its names read once, each part's entries are looked at when it is asked for. Move it to a
/// worker once the first part is out; one thread at a time.
class TrashFolderListing {
  public:
    /// Opens `folder` (never through a link); each record gets its place inside the folder's
    /// put-back place and the folder's volume.
    TrashFolderListing(const CVTrashFileNode& folder, std::shared_ptr<const TrashStore> store);

    /// The records of the next `count` entries in the file system's order (fewer where an entry
    /// is gone or leads nowhere); empty once every entry was handed out.
    QList<CVTrashFileNode::Ptr> next(qsizetype count);
    bool atEnd() const { return m_next >= m_names.size(); }

  private:
    OpenFolder m_folder;
    QList<QByteArray> m_names;
    qsizetype m_next = 0;
    std::shared_ptr<const TrashStore> m_store;
    QString m_place;
    QString m_volume;
    TextPool m_texts;  ///< the entries' size and access texts, one copy of each
};
