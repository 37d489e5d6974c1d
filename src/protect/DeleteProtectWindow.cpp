#include "DeleteProtectWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "PPopoverWindowConterller.h"
#include "platform/Localized.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

DeleteProtectWindow::DeleteProtectWindow(PPopoverWindowConterller* editor, QWidget* parent)
    : QWidget(parent, Qt::Window), m_editor(editor) {
    setObjectName(QStringLiteral("deleteProtectWindow"));
    setWindowTitle(localized("Protection Rules"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("QWidget#deleteProtectWindow { background: %1; }")
                      .arg(ThemeColors::pane(this).name()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 20);
    layout->setSpacing(12);
    QLabel* intro = mutedLabel(
        localized(
            "When Corvane empties the Trash by force, it keeps every item whose file format or original "
            "location matches a rule below, and lists the kept items afterwards so you can remove them or "
            "put them back."),
        this);
    intro->setObjectName(QStringLiteral("deleteProtectIntro"));
    layout->addWidget(intro);
    if (editor && editor->view()) layout->addWidget(editor->view(), 1);
}

void DeleteProtectWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_editor) m_editor->viewDidLoad();
}

void DeleteProtectWindow::toggle() {
    if (isVisible()) {
        hide();
        return;
    }
    show();
    raise();
    activateWindow();
}
