#pragma once

#include <QAbstractListModel>

#include "NQFileNode.h"

class ThumbnailLoader;

/// One cell of the store browser.
struct IKImageItem {
    QString filePath;  ///< also the cell's identity
    QString fileType = QStringLiteral("Image");
    char bhasCopy = 0;
    QString hasCopy;
    QString fileName;
    NQFileNode::Ptr fileNode;

    static IKImageItem of(const NQFileNode::Ptr& node) {
        IKImageItem cell;
        cell.filePath = node->fullFilePath;
        cell.fileName = node->fileName;
        cell.fileNode = node;
        return cell;
    }
};

/// The cells the browser shows now (browseArray), each drawn with its record's thumbnail once the
/// loader has made it and with its type icon until then. Thumbnails are asked for only for cells
/// the view draws, so the visible ones come first.
class StoreBrowserModel : public QAbstractListModel {
    Q_OBJECT
  public:
    enum Roles { NodeRole = Qt::UserRole + 1 };

    explicit StoreBrowserModel(QObject* parent = nullptr);

    void setItems(const QList<IKImageItem>& items);
    const QList<IKImageItem>& items() const { return m_items; }
    const IKImageItem* itemAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    void thumbnailReady(const QString& key);

    QList<IKImageItem> m_items;
    ThumbnailLoader* m_loader;
};
