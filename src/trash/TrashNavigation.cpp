#include "TrashNavigation.h"

#include "TrashScanner.h"
#include "app/FileUtilities.h"
#include "platform/Paths.h"

#include <QFileInfo>

void TrashNavigation::showTopLevel(const QList<CVTrashFileNode::Ptr>& items) {
    m_trashItems = items;
    m_last = std::make_shared<QList<CVTrashFileNode::Ptr>>();
    m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems);
    m_backVisible = false;
}

QList<CVTrashFileNode::Ptr> TrashNavigation::folderItems(const CVTrashFileNode& folder, const FileUtilities& files) {
    QList<CVTrashFileNode::Ptr> items;
    const QString base = folder.theTrashPath;
    // Names inside an item are shown whole where the Trash hides nothing behind a leading dot.
    const bool wholeNames = files.paths() && files.paths()->layout() == Paths::Layout::Freedesktop;
    for (const QString& name : TrashScanner::listFolder(base)) {
        const QString path = base + QLatin1Char('/') + name;
        const QFileInfo info(path);
        if (!info.exists()) continue;
        auto node = CVTrashFileNode::create();
        if (info.isDir()) {
            node->theFileSize = QStringLiteral("--");
            node->filesize = 0;
        } else {
            node->filesize = files.fastFolderSizeAtFilePath(path);
            node->theFileSize = FileUtilities::size_to_unit(node->filesize);
        }
        node->lastModifiedDate = FileUtilities::modificationDate(path);
        node->theTrashPath = path;
        node->theFilePermission = FileUtilities::getFilePermissionwithPath(path);
        if (!wholeNames && name.startsWith(QLatin1Char('.'))) {
            node->theFileName = name.mid(1);
            node->theOrignalpath = QStringLiteral("--");
        } else {
            node->theFileName = name;
            node->theOrignalpath = folder.theOrignalpath == QLatin1String("--")
                                       ? QStringLiteral("--")
                                       : folder.theOrignalpath + QLatin1Char('/') + name;
        }
        node->bFile = !info.isDir();
        items.append(node);
    }
    return items;
}

bool TrashNavigation::enterFolder(const CVTrashFileNode::Ptr& folder) {
    if (!folder || folder->bFile) return false;
    QList<CVTrashFileNode::Ptr> items = folderItems(*folder, *m_files);
    m_last = std::make_shared<QList<CVTrashFileNode::Ptr>>(*m_content);
    m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(std::move(items));
    m_backVisible = true;
    return true;
}

void TrashNavigation::back() {
    const bool wasHistory = m_content == m_last;
    if (wasHistory) {
        m_content = std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems);
        m_backVisible = false;
        return;
    }
    m_content = m_last->isEmpty() ? std::make_shared<QList<CVTrashFileNode::Ptr>>(m_trashItems) : m_last;
}

void TrashNavigation::removeItem(const CVTrashFileNode::Ptr& item) {
    m_trashItems.removeAll(item);
    m_content->removeAll(item);
}
