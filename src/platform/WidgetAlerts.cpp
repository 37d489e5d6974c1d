#include "WidgetAlerts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

int WidgetAlerts::runModal(const AlertSpec& alert) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Corvane"), alert.message);
    box.setObjectName(QStringLiteral("alert"));
    if (!alert.informativeText.isEmpty()) box.setInformativeText(alert.informativeText);
    QPushButton* def = box.addButton(alert.defaultButton, QMessageBox::AcceptRole);
    QPushButton* alt = nullptr;
    if (!alert.alternateButton.isEmpty()) alt = box.addButton(alert.alternateButton, QMessageBox::RejectRole);
    box.setDefaultButton(def);
    if (alt) box.setEscapeButton(alt);
    box.exec();
    return box.clickedButton() == def ? Default : Alternate;
}
