#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <memory>

/// One item of the Desktop or of the store folder.
struct NQFileNode {
    using Ptr = std::shared_ptr<NQFileNode>;
    static Ptr create() { return std::make_shared<NQFileNode>(); }

    QString fileName;
    QString fileCreateDate;       ///< "yyyy-MM-dd HH:mm:ss +0000"; empty when unreadable
    QString fileModifyDate;       ///< same form
    QDateTime thefileModifyDate;  ///< the sort key; invalid when unreadable
    quint64 filesizenumber = 0;   ///< of the entry itself (a folder's entry, not its contents)
    QString fileSize;             ///< two-decimal size text
    QString fullFilePath;
    QString fileKindType;  ///< "Pictures", "Documents", "Archives", "Folder" or "Other"
    /// A picture's thumbnail (a QImage of at most 64 by 54), set by the windows once it is made off
    /// the main thread; empty until then and for the other kinds, which show their type icon.
    /// Touched on the main thread only.
    QVariant fileIcon;
};
