#include "ErasePanel.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QPushButton>

#include "platform/Localized.h"

QStringList ErasePanel::choose(QWidget* parent, const QString& startFolder) {
    // The platform dialog chooses either files or folders; ours takes both.
    QFileDialog dialog(parent, localized("Choose the file(s) or folder(s) to secure deletion."), startFolder);
    dialog.setObjectName(QStringLiteral("openDeleteFilePanel"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setFilter(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    dialog.setLabelText(QFileDialog::Accept, localized("Choose"));
    QStringList chosen;
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QPushButton* accept = buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
    const auto views = dialog.findChildren<QAbstractItemView*>(QStringLiteral("listView")) +
                       dialog.findChildren<QAbstractItemView*>(QStringLiteral("treeView"));
    if (accept) {
        QObject::disconnect(accept, nullptr, nullptr, nullptr);
        QObject::connect(accept, &QPushButton::clicked, &dialog, [&] {
            for (QAbstractItemView* view : views) {
                if (!view->isVisible() || !view->selectionModel()) continue;
                const auto* model = qobject_cast<const QFileSystemModel*>(view->model());
                const QModelIndexList rows = view->selectionModel()->selectedRows();
                for (const QModelIndex& index : rows)
                    if (model) chosen << model->filePath(index);
            }
            if (chosen.isEmpty()) chosen = dialog.selectedFiles();
            static_cast<QDialog&>(dialog).done(QDialog::Accepted);
        });
        for (QAbstractItemView* view : views)
            if (view->selectionModel())
                QObject::connect(
                    view->selectionModel(), &QItemSelectionModel::selectionChanged, accept,
                    [accept, view] { accept->setEnabled(view->selectionModel()->hasSelection()); });
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    if (!accept) chosen = dialog.selectedFiles();
    chosen.removeDuplicates();
    return chosen;
}
