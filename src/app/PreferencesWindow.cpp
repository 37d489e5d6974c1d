#include "PreferencesWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Localized.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

PreferencesWindow::PreferencesWindow(const QString& settingsFile, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("perfereceWindow"));
    setWindowTitle(localized("Corvane Preferences"));
    resize(460, 380);
    setStyleSheet(
        QStringLiteral("QWidget#perfereceWindow { background: %1; }").arg(ThemeColors::pane(this).name()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);

    auto* mode = new Card(localized("Task bar"), this);
    m_modeText = mutedLabel(QString(), mode);
    mode->body()->addWidget(m_modeText);
    m_hideDockButton = new QPushButton(localized("Keep Corvane off the task bar"), mode);
    m_hideDockButton->setObjectName(QStringLiteral("hideDockButton"));
    connect(m_hideDockButton, &QPushButton::clicked, this, &PreferencesWindow::hideDockClicked);
    mode->body()->addWidget(m_hideDockButton, 0, Qt::AlignLeft);
    layout->addWidget(mode);

    auto* tidy = new Card(localized("Desktop tidy"), this);
    m_storePathlab = mutedLabel(QString(), tidy);
    m_storePathlab->setObjectName(QStringLiteral("StorePathlab"));
    m_storePathlab->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tidy->body()->addWidget(m_storePathlab);
    m_changeStorePathButton = new QPushButton(localized("Change Store Location…"), tidy);
    m_changeStorePathButton->setObjectName(QStringLiteral("ChangeStorePathAction"));
    connect(m_changeStorePathButton, &QPushButton::clicked, this, &PreferencesWindow::changeStorePathClicked);
    tidy->body()->addWidget(m_changeStorePathButton, 0, Qt::AlignLeft);
    layout->addWidget(tidy);
    setStorePath(QString());

    auto* store = new Card(localized("Settings"), this);
    auto* path = mutedLabel(localized("Corvane keeps its settings in %1").arg(settingsFile), store);
    path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    store->body()->addWidget(path);
    layout->addWidget(store);
    layout->addStretch(1);
    setAgentMode(false);
}

void PreferencesWindow::setStorePath(const QString& storeFolder) {
    m_storePathlab->setText(storeFolder.isEmpty() ? localized("No store folder is chosen yet.")
                                                  : storeFolder);
}

void PreferencesWindow::setAgentMode(bool offTaskBar) {
    m_modeText->setText(
        offTaskBar ? localized("Corvane stays off the task bar; reach it through its icon in the panel.")
                   : localized("Corvane's main window shows in the task bar."));
    m_hideDockButton->setEnabled(!offTaskBar);
}

void PreferencesWindow::setHideDockEnabled(bool enabled) {
    m_hideDockButton->setEnabled(enabled);
}
