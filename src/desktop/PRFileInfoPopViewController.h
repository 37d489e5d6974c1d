#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>

#include "NQFileNode.h"

class QLabel;
class QPushButton;

/// The file-information view: name, size, path, dates and a preview of one stored item.
class PRFileInfoPopViewController : public QWidget {
    Q_OBJECT
  public:
    explicit PRFileInfoPopViewController(QWidget* parent = nullptr);

    void InitViewWithFileNode(const NQFileNode::Ptr& node);
    /// What "Show in Folder" does with the path shown (the workspace's reveal).
    void setReveal(std::function<void(const QString&)> reveal) { m_reveal = std::move(reveal); }
    /// The size a picture of `full` size is previewed at: at most 370 wide when wider than high,
    /// at most 270 high otherwise.
    static QSize previewSize(const QSize& full);
    /// The preview of a file that is not a picture, at most `size`: its first lines for a text file,
    /// else a cached thumbnail if there is one; null otherwise (the caller shows iconPreview()).
    static QImage previewOfFile(const QString& path, const QSize& size);
    /// The icon of a file's type at 270 by 270, the preview of what has no other.
    static QImage iconPreview(const QString& path);
    static constexpr int IconPreviewSide = 270;
    /// The preview shown now, at its own size (the view draws it smaller when it has less room).
    QPixmap preview() const { return m_preview; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ActShowInFinder();
    void showPreview(const QPixmap& preview);
    void fitPreview();

    QLabel* m_fileNamelab = nullptr;
    QLabel* m_fileSizelab = nullptr;
    QLabel* m_filePathlab = nullptr;
    QLabel* m_fileCreateDatelab = nullptr;
    QLabel* m_fileModiDatelab = nullptr;
    QLabel* m_fileImageView = nullptr;
    QLabel* m_previewImageView = nullptr;
    QPushButton* m_revealButton = nullptr;
    QString m_path;
    QPixmap m_preview;
    std::function<void(const QString&)> m_reveal;
};
