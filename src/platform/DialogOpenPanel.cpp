#include "DialogOpenPanel.h"

#include <QFileDialog>

QString DialogOpenPanel::runModal(QWidget* parent, const OpenPanelRequest& request) {
    QFileDialog dialog(parent, request.title, request.startFolder);
    dialog.setObjectName(QStringLiteral("openPanel"));
    dialog.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    dialog.setFileMode(request.chooseFolders ? QFileDialog::Directory : QFileDialog::ExistingFile);
    if (request.chooseFolders) dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}
