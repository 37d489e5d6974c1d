#include "StatusItem.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

#include "platform/Localized.h"
#include "widgets/Images.h"

StatusItem::StatusItem(QObject* parent) : QObject(parent) {
    m_menu = new QMenu;
    m_menu->setObjectName(QStringLiteral("baMenu"));
    auto add = [this](const QString& title, const char* name) {
        QAction* a = m_menu->addAction(title);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    quickViewAction = add(localized("Quick View"), "quickViewAction");
    openMainAction = add(localized("Open Corvane"), "openMainAction");
    m_menu->addSeparator();
    m_featureEnd = m_menu->addSeparator();
    preferencesAction = add(localized("Preferences…"), "preferencesAction");
    helpAction = add(localized("Corvane Help"), "helpAction");
    aboutAction = add(localized("About Corvane"), "aboutAction");
    m_menu->addSeparator();
    quitAction = add(localized("Quit Corvane"), "quitAction");

    m_tray = new QSystemTrayIcon(this);
    m_tray->setToolTip(QStringLiteral("Corvane"));
    m_tray->setContextMenu(m_menu);
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) Q_EMIT clicked();
    });
}

StatusItem::~StatusItem() {
    delete m_menu;
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

QAction* StatusItem::addFeatureAction(const QString& title, const QString& objectName) {
    auto* action = new QAction(title, m_menu);
    action->setObjectName(objectName);
    m_menu->insertAction(m_featureEnd, action);
    return action;
}

QRect StatusItem::geometry() const {
    return m_tray->geometry();
}
