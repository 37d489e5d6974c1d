// The application controller's part of the update check: its windows, the Help menu and the
// menus' action. Kept apart from AppDelegate.cpp so the check can come and go as one piece.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "AppDelegate.h"
#include "MainWindow.h"
#include "platform/Localized.h"
#include "update/NoUpdateWindow.h"
#include "update/PRUpdateController.h"
#include "update/UpdateAddress.h"
#include "update/UpdateWindow.h"

void AppDelegate::buildUpdateCheck() {
    // The main window's Help menu; the check joins it when this build has one.
    QMenu* help = m_window->menuBar()->addMenu(localized("Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* guide = help->addAction(localized("Corvane Help"), this, &AppDelegate::ClickHelp);
    guide->setObjectName(QStringLiteral("mainHelpAction"));
    PRUpdateController* controller = m_services.updateController.get();
    if (controller) {
        QAction* check =
            help->addAction(localized("Check for Updates…"), this, &AppDelegate::CheckforUpdateAction);
        check->setObjectName(QStringLiteral("mainCheckforUpdateAction"));
    }
    help->addSeparator();
    QAction* about = help->addAction(localized("About Corvane"), this, &AppDelegate::ActAboutAction);
    about->setObjectName(QStringLiteral("mainAboutAction"));
    if (!controller) return;

    m_updateWindow = new UpdateWindow(controller, m_services.workspace, UpdateAddress::downloadPage());
    manageWindow(m_updateWindow);
    manageWindow(m_updateWindow->noUpdateWindow());
}

void AppDelegate::CheckforUpdateAction() {
    if (!m_services.updateController) return;
    m_services.updateController->setCheckUpdate();
    m_services.updateController->checkServerVersion();
}
