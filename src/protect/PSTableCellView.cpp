#include "PSTableCellView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "ItemIcon.h"
#include "platform/Localized.h"
#include "platform/NotificationCenter.h"
#include "platform/Workspace.h"
#include "trash/TrashTableModel.h"
#include "widgets/TableTextStyle.h"

PSTableCellView::PSTableCellView(CVTrashFileNode::Ptr node, NotificationCenter* center, Workspace* workspace,
                                 QWidget* parent)
    : QWidget(parent), m_fileNode(std::move(node)), m_nc(center), m_workspace(workspace) {
    setObjectName(QStringLiteral("protectCell"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(10);

    m_checkBox = new QCheckBox(this);
    m_checkBox->setObjectName(QStringLiteral("checkBox"));
    m_checkBox->setToolTip(localized("Mark this item"));
    layout->addWidget(m_checkBox);

    m_imageView = new QLabel(this);
    m_imageView->setObjectName(QStringLiteral("imageView"));
    m_imageView->setFixedSize(IconBox, IconBox);
    m_imageView->setAlignment(Qt::AlignCenter);
    m_imageView->setPixmap(ItemIcon::iconFor(m_fileNode->theTrashPath, IconBox));
    layout->addWidget(m_imageView);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    m_textField = new QLabel(m_fileNode->theFileName, this);
    m_textField->setObjectName(QStringLiteral("textField"));
    m_textField->setTextFormat(Qt::PlainText);
    QFont nameFont = m_textField->font();
    nameFont.setBold(true);
    m_textField->setFont(nameFont);
    texts->addWidget(m_textField);
    m_origFullPath = new QLabel(this);
    m_origFullPath->setObjectName(QStringLiteral("origFullPath"));
    m_origFullPath->setTextFormat(Qt::PlainText);
    if (!m_fileNode->theOrignalpath.isNull())
        m_origFullPath->setText(localized("Source Path: %1").arg(m_fileNode->theOrignalpath));
    texts->addWidget(m_origFullPath);
    m_mDatelab = new QLabel(this);
    m_mDatelab->setObjectName(QStringLiteral("mDatelab"));
    if (m_fileNode->lastModifiedDate.isValid())
        m_mDatelab->setText(TrashTableModel::dateText(m_fileNode->lastModifiedDate));
    texts->addWidget(m_mDatelab);
    const QString muted = QStringLiteral("color: %1;").arg(TableTextStyle::color().name());
    for (QLabel* label : {m_origFullPath, m_mDatelab}) {
        label->setFont(TableTextStyle::font());
        label->setStyleSheet(muted);
    }
    // Long names and paths are cut at the row's edge rather than widening the list; the tip has them whole.
    for (QLabel* label : {m_textField, m_origFullPath}) {
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setToolTip(label->text());
    }
    layout->addLayout(texts, 1);

    m_findButton = new QToolButton(this);
    m_findButton->setObjectName(QStringLiteral("findButton"));
    m_findButton->setText(localized("Show"));
    m_findButton->setToolTip(localized("Show in the file manager"));
    m_findButton->setAutoRaise(true);
    layout->addWidget(m_findButton);

    refreshMark();
    connect(m_checkBox, &QCheckBox::clicked, this, &PSTableCellView::CheckTheFileAction);
    connect(m_findButton, &QToolButton::clicked, this, &PSTableCellView::FindFileAction);
}

void PSTableCellView::refreshMark() {
    m_checkBox->setChecked(m_fileNode->bSelected);
}

void PSTableCellView::CheckTheFileAction() {
    m_fileNode->bSelected = !m_fileNode->bSelected;
    refreshMark();
    if (m_nc) m_nc->post(QLatin1String(CheckNotification), this);
}

void PSTableCellView::FindFileAction() {
    if (m_workspace) m_workspace->selectFile(m_fileNode->theTrashPath, QString());
}
