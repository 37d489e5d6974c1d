#include "WidgetAlerts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

QMessageBox* WidgetAlerts::buildBox(const AlertRequest& alert, QPushButton** defaultButton) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Corvane"), alert.message);
    box->setObjectName(QStringLiteral("alert"));
    // Texts are shown as they are: a path with "<" or "%" is not markup or a format.
    box->setTextFormat(Qt::PlainText);
    if (!alert.informativeText.isEmpty()) box->setInformativeText(alert.informativeText);
    QPushButton* def = box->addButton(alert.defaultButton, QMessageBox::AcceptRole);
    QPushButton* alt = nullptr;
    if (!alert.alternateButton.isEmpty())
        alt = box->addButton(alert.alternateButton, QMessageBox::RejectRole);
    box->setDefaultButton(def);
    if (alt) box->setEscapeButton(alt);
    if (defaultButton) *defaultButton = def;
    return box;
}

int WidgetAlerts::runModal(const AlertRequest& alert) {
    QPushButton* def = nullptr;
    std::unique_ptr<QMessageBox> box(buildBox(alert, &def));
    box->exec();
    return box->clickedButton() == def ? Default : Alternate;
}
