#include "PRFileInfoPopViewController.h"

#include <QEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFormLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "FileKinds.h"
#include "ThumbnailLoader.h"
#include "core/Path.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "core/fs/RegularFile.h"
#include "platform/Localized.h"

namespace {

QLabel* valueLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

/// A text file's first lines drawn as a page.
QImage textPreview(const QString& path, const QSize& size) {
    const QString folder = Path(path).parent().text();
    const QByteArray name = Path(path).leafBytes();
    // Read as any record file is: a regular file only, never blocking on a FIFO, capped.
    const std::optional<QByteArray> data = OpenFolder::openChosen(folder).readFile(name, 4096);
    if (!data) return {};
    const QString text = QString::fromUtf8(*data).left(1200);
    QImage page(size, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setPen(QColor(0x2b, 0x35, 0x45));
    QFont f = p.font();
    f.setPixelSize(18);  // still legible when the page is drawn at half its size
    p.setFont(f);
    p.drawText(page.rect().adjusted(12, 10, -12, -10), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return page;
}

}  // namespace

PRFileInfoPopViewController::PRFileInfoPopViewController(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fileInfoViewController"));
    auto* layout = new QVBoxLayout(this);
    m_previewImageView = new QLabel(this);
    m_previewImageView->setObjectName(QStringLiteral("previewImageView"));
    m_previewImageView->setAlignment(Qt::AlignCenter);
    m_previewImageView->setMinimumSize(200, 150);
    // The preview never widens the view; it is drawn to fit the room there is.
    m_previewImageView->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_previewImageView->installEventFilter(this);
    layout->addWidget(m_previewImageView, 1);
    auto* header = new QHBoxLayout;
    m_fileImageView = new QLabel(this);
    m_fileImageView->setObjectName(QStringLiteral("fileImageView"));
    m_fileImageView->setFixedSize(40, 40);
    m_fileNamelab = valueLabel(this, "fileNamelab");
    QFont bold = m_fileNamelab->font();
    bold.setBold(true);
    m_fileNamelab->setFont(bold);
    header->addWidget(m_fileImageView);
    header->addWidget(m_fileNamelab, 1);
    layout->addLayout(header);
    auto* form = new QFormLayout;
    m_fileSizelab = valueLabel(this, "fileSizelab");
    m_filePathlab = valueLabel(this, "filePathlab");
    m_fileCreateDatelab = valueLabel(this, "fileCreateDatelab");
    m_fileModiDatelab = valueLabel(this, "fileModiDatelab");
    form->addRow(localized("Size:"), m_fileSizelab);
    form->addRow(localized("Where:"), m_filePathlab);
    form->addRow(localized("Created:"), m_fileCreateDatelab);
    form->addRow(localized("Modified:"), m_fileModiDatelab);
    layout->addLayout(form);
    m_revealButton = new QPushButton(localized("Show in Folder"), this);
    m_revealButton->setObjectName(QStringLiteral("ActShowInFinder"));
    connect(m_revealButton, &QPushButton::clicked, this, &PRFileInfoPopViewController::ActShowInFinder);
    layout->addWidget(m_revealButton, 0, Qt::AlignLeft);
}

QSize PRFileInfoPopViewController::previewSize(const QSize& full) {
    if (full.width() > full.height() && full.width() > 370)
        return {370, qMax(1, full.height() * 370 / full.width())};
    if (full.height() >= full.width() && full.height() > 270)
        return {qMax(1, full.width() * 270 / full.height()), 270};
    return full;
}

QImage PRFileInfoPopViewController::previewOfFile(const QString& path, const QSize& size) {
    if (path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ||
        path.endsWith(QLatin1String(".md"), Qt::CaseInsensitive) ||
        path.endsWith(QLatin1String(".log"), Qt::CaseInsensitive))
        return textPreview(path, size);
    return ThumbnailLoader::cached(path, size);
}

QImage PRFileInfoPopViewController::iconPreview(const QString& path) {
    static QFileIconProvider icons;
    const QIcon icon = icons.icon(QFileInfo(path));
    if (icon.isNull()) return {};
    // The largest the theme has, brought to 270 by 270.
    const QSize box(IconPreviewSide, IconPreviewSide);
    QImage image = icon.pixmap(box).toImage();
    if (image.isNull()) return {};
    return image.size() == box ? image : image.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PRFileInfoPopViewController::InitViewWithFileNode(const NQFileNode::Ptr& node) {
    if (!node) return;
    m_fileNamelab->setText(FsName::displayText(node->fileName));
    static QFileIconProvider icons;
    // A picture's thumbnail once made (fileIcon), else the icon of its type.
    const QImage thumbnail = node->fileIcon.value<QImage>();
    m_fileImageView->setPixmap(thumbnail.isNull()
                                   ? icons.icon(QFileInfo(node->fullFilePath)).pixmap(40, 40)
                                   : QPixmap::fromImage(thumbnail.scaled(QSize(40, 40), Qt::KeepAspectRatio,
                                                                         Qt::SmoothTransformation)));
    m_fileSizelab->setText(QStringLiteral("%1 bytes (%2)").arg(node->filesizenumber).arg(node->fileSize));
    m_path = node->fullFilePath;
    m_filePathlab->setText(FsName::displayText(node->fullFilePath));
    m_fileModiDatelab->setText(node->fileModifyDate);
    m_fileCreateDatelab->setText(node->fileCreateDate);
    QImage preview;
    if (node->fileKindType == QLatin1String(FileKinds::Pictures)) {
        RegularFile::Stream file(node->fullFilePath);
        if (!file.isOpen()) return;
        QImageReader reader(file.device(), QFileInfo(node->fullFilePath).suffix().toLower().toLatin1());
        const QSize full = reader.size();
        // Decoded straight at the preview's size; a file that is no picture keeps the last preview.
        if (full.isValid() && qint64(full.width()) * full.height() <= 400'000'000) {
            reader.setScaledSize(previewSize(full));
            preview = reader.read();
        }
        if (preview.isNull()) return;
    } else {
        preview = previewOfFile(node->fullFilePath, QSize(430, 305));
        if (preview.isNull()) preview = iconPreview(node->fullFilePath);
        if (preview.isNull()) return;  // the previous preview stays
    }
    showPreview(QPixmap::fromImage(preview));
}

void PRFileInfoPopViewController::showPreview(const QPixmap& preview) {
    m_preview = preview;
    fitPreview();
}

void PRFileInfoPopViewController::fitPreview() {
    if (m_preview.isNull()) return;
    const QSize room = m_previewImageView->contentsRect().size();
    const bool fits = m_preview.width() <= room.width() && m_preview.height() <= room.height();
    m_previewImageView->setPixmap(
        fits || room.isEmpty() ? m_preview
                               : m_preview.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool PRFileInfoPopViewController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_previewImageView && event->type() == QEvent::Resize) fitPreview();
    return QWidget::eventFilter(watched, event);
}

void PRFileInfoPopViewController::ActShowInFinder() {
    if (m_reveal && !m_path.isEmpty()) m_reveal(m_path);
}
