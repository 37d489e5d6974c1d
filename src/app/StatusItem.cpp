#include "StatusItem.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

#include "platform/Localized.h"
#include "widgets/Images.h"

StatusItem::StatusItem(const Commands& commands, QObject* parent) : QObject(parent) {
    m_menu = new QMenu;
    m_menu->setObjectName(QStringLiteral("baMenu"));
    addItem(localized("Quick View"), "quickViewAction", commands.quickView);
    addItem(localized("Open Corvane"), "openMainAction", commands.openMain);
    m_menu->addSeparator();
    // The features, between the way in and the program's own items.
    addItem(localized("Trash Items…"), "trashItemsAction", commands.trashItems);
    addItem(localized("Empty Trash"), "emptyTrashAction", commands.emptyTrash);
    addItem(localized("Secure Erase…"), "secureEraseAction", commands.secureErase);
    addItem(localized("Protection Rules…"), "protectionRulesAction", commands.protectionRules);
    addItem(localized("Auto Clean…"), "autoCleanAction", commands.autoClean);
    m_menu->addSeparator();
    addItem(localized("Preferences…"), "preferencesAction", commands.preferences);
    addItem(localized("Corvane Help"), "helpAction", commands.help);
    // Beside "About Corvane", where people look for it.
    if (commands.checkForUpdates)
        addItem(localized("Check for Updates…"), "checkforUpdateAction", commands.checkForUpdates);
    addItem(localized("About Corvane"), "aboutAction", commands.about);
    m_menu->addSeparator();
    addItem(localized("Quit Corvane"), "quitAction", commands.quit);

    m_tray = new QSystemTrayIcon(this);
    m_tray->setToolTip(QStringLiteral("Corvane"));
    m_tray->setContextMenu(m_menu);
    connect(m_tray, &QSystemTrayIcon::activated, this,
            [quickView = commands.quickView](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger && quickView) quickView();
            });
}

StatusItem::~StatusItem() {
    delete m_menu;
}

void StatusItem::addItem(const QString& title, const char* objectName, const std::function<void()>& command) {
    QAction* action = m_menu->addAction(title);
    action->setObjectName(QLatin1String(objectName));
    if (command) connect(action, &QAction::triggered, this, [command] { command(); });
}

void StatusItem::setImage(const QString& fileName) {
    m_imageName = fileName;
    m_tray->setIcon(QIcon(Images::named(fileName)));
}

void StatusItem::show() {
    m_tray->show();
}

void StatusItem::hide() {
    m_tray->hide();
}

QRect StatusItem::geometry() const {
    return m_tray->geometry();
}
