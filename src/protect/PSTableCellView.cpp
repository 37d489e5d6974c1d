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
    : QWidget(parent), fileNode(std::move(node)), nc(center), m_workspace(workspace) {
    setObjectName(QStringLiteral("protectCell"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(10);

    checkBox = new QCheckBox(this);
    checkBox->setObjectName(QStringLiteral("checkBox"));
    checkBox->setToolTip(localized("Mark this item"));
    layout->addWidget(checkBox);

    imageView = new QLabel(this);
    imageView->setObjectName(QStringLiteral("imageView"));
    imageView->setFixedSize(IconBox, IconBox);
    imageView->setAlignment(Qt::AlignCenter);
    imageView->setPixmap(ItemIcon::iconFor(fileNode->theTrashPath, IconBox));
    layout->addWidget(imageView);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    textField = new QLabel(fileNode->theFileName, this);
    textField->setObjectName(QStringLiteral("textField"));
    textField->setTextFormat(Qt::PlainText);
    QFont nameFont = textField->font();
    nameFont.setBold(true);
    textField->setFont(nameFont);
    texts->addWidget(textField);
    origFullPath = new QLabel(this);
    origFullPath->setObjectName(QStringLiteral("origFullPath"));
    origFullPath->setTextFormat(Qt::PlainText);
    if (!fileNode->theOrignalpath.isNull())
        origFullPath->setText(localized("Source Path: %1").arg(fileNode->theOrignalpath));
    texts->addWidget(origFullPath);
    mDatelab = new QLabel(this);
    mDatelab->setObjectName(QStringLiteral("mDatelab"));
    if (fileNode->lastModifiedDate.isValid())
        mDatelab->setText(TrashTableModel::dateText(fileNode->lastModifiedDate));
    texts->addWidget(mDatelab);
    const QString muted = QStringLiteral("color: %1;").arg(TableTextStyle::color().name());
    for (QLabel* label : {origFullPath, mDatelab}) {
        label->setFont(TableTextStyle::font());
        label->setStyleSheet(muted);
    }
    // Long names and paths are cut at the row's edge rather than widening the list; the tip has them whole.
    for (QLabel* label : {textField, origFullPath}) {
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setToolTip(label->text());
    }
    layout->addLayout(texts, 1);

    findButton = new QToolButton(this);
    findButton->setObjectName(QStringLiteral("findButton"));
    findButton->setText(localized("Show"));
    findButton->setToolTip(localized("Show in the file manager"));
    findButton->setAutoRaise(true);
    layout->addWidget(findButton);

    refreshMark();
    connect(checkBox, &QCheckBox::clicked, this, &PSTableCellView::CheckTheFileAction);
    connect(findButton, &QToolButton::clicked, this, &PSTableCellView::FindFileAction);
}

void PSTableCellView::refreshMark() {
    checkBox->setChecked(fileNode->bSelected);
}

void PSTableCellView::CheckTheFileAction() {
    fileNode->bSelected = !fileNode->bSelected;
    refreshMark();
    if (nc) nc->post(QLatin1String(CheckNotification), this);
}

void PSTableCellView::FindFileAction() {
    if (m_workspace) m_workspace->selectFile(fileNode->theTrashPath, QString());
}
