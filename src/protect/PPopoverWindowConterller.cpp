#include "PPopoverWindowConterller.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ProtectionRules.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/NotificationCenter.h"
#include "platform/Paths.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/PaneWidgets.h"
#include "widgets/WindowPlacement.h"

PPopoverWindowConterller::PPopoverWindowConterller(std::shared_ptr<ProtectionRules> rules,
                                                   NotificationCenter* center,
                                                   std::shared_ptr<const Paths> paths, QObject* parent)
    : QObject(parent), m_rules(std::move(rules)), m_nc(center), m_paths(std::move(paths)) {
    m_chooseFolder = [](QWidget* parentWindow, const QString& start) {
        return QFileDialog::getExistingDirectory(parentWindow, localized("Choose a Folder to Protect"),
                                                 start);
    };

    m_view = new QWidget;
    m_view->setObjectName(QStringLiteral("protectRulesView"));
    auto* layout = new QHBoxLayout(m_view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    layout->addWidget(buildListCard(
        localized("File Formats"), localized("Items with these extensions, such as psd or key."),
        &m_theFileFormatTableView, "theFileFormatTableView", &m_addFileFormatBtn, localized("+ Format"),
        "addFileFormatBtn", &m_subFileFormatBtn, localized("\u2212 Format"), "subFileFormatBtn"));
    layout->addWidget(
        buildListCard(localized("Locations"), localized("Items deleted from these folders or below."),
                      &m_theFileLocationTableView, "theFileLocationTableView", &m_addFileLocationBtn,
                      localized("+ Location"), "addFileLocationBtn", &m_subFileLocationBtn,
                      localized("\u2212 Location"), "subFileLocationBtn"));
    buildAddValueWindow();

    if (m_nc)
        m_nc->addObserver(
            this, QLatin1String(PRLeftTipButton::MouseDown),
            [this](const NotificationCenter::Notification& n) { PRLeftButtonMouseDownHandle(n.object); });
    viewDidLoad();
}

PPopoverWindowConterller::~PPopoverWindowConterller() {
    if (m_nc) m_nc->removeObserver(this);
    delete m_view.data();
}

QWidget* PPopoverWindowConterller::buildListCard(const QString& title, const QString& note,
                                                 QListWidget** list, const char* listName,
                                                 PRLeftTipButton** add, const QString& addTitle,
                                                 const char* addName, PRLeftTipButton** remove,
                                                 const QString& removeTitle, const char* removeName) {
    auto* card = new Card(title, m_view);
    card->body()->addWidget(mutedLabel(note, card));
    *list = new QListWidget(card);
    (*list)->setObjectName(QLatin1String(listName));
    (*list)->setSelectionMode(QAbstractItemView::SingleSelection);
    (*list)->setMinimumSize(240, 180);
    card->body()->addWidget(*list, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    *add = new PRLeftTipButton(m_nc, addTitle, card);
    *remove = new PRLeftTipButton(m_nc, removeTitle, card);
    for (auto [button, name] : {std::pair{*add, addName}, std::pair{*remove, removeName}}) {
        button->setObjectName(QLatin1String(name));
        button->setLook(PRLeftTipButton::Look::Pill);
        button->setFocusPolicy(Qt::StrongFocus);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    card->body()->addLayout(buttons);
    return card;
}

void PPopoverWindowConterller::buildAddValueWindow() {
    m_addValueWindow = new QWidget(m_view, Qt::Dialog);
    m_addValueWindow->setObjectName(QStringLiteral("addValueWindow"));
    m_addValueWindow->setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(m_addValueWindow);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(10);
    layout->addWidget(mutedLabel(localized("Type a file name extension, such as psd."), m_addValueWindow));
    m_valuelab = new QLineEdit(m_addValueWindow);
    m_valuelab->setObjectName(QStringLiteral("valuelab"));
    m_valuelab->setMinimumWidth(260);
    layout->addWidget(m_valuelab);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* cancel = new QPushButton(localized("Cancel"), m_addValueWindow);
    cancel->setObjectName(QStringLiteral("cancelValueButton"));
    m_addValueButton = new QPushButton(localized("Add"), m_addValueWindow);
    m_addValueButton->setObjectName(QStringLiteral("addValueButton"));
    m_addValueButton->setDefault(true);
    m_addValueButton->setEnabled(false);
    buttons->addWidget(cancel);
    buttons->addWidget(m_addValueButton);
    layout->addLayout(buttons);

    // An empty format is never added, so the button waits for something to add.
    connect(m_valuelab, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_addValueButton->setEnabled(!ProtectionRules::normalizedFormat(text).isEmpty());
    });
    connect(m_valuelab, &QLineEdit::returnPressed, this, &PPopoverWindowConterller::AddValueAction);
    connect(m_addValueButton, &QPushButton::clicked, this, &PPopoverWindowConterller::AddValueAction);
    connect(cancel, &QPushButton::clicked, m_addValueWindow, &QWidget::hide);
}

void PPopoverWindowConterller::viewDidLoad() {
    m_rules->load();
    reloadData();
}

void PPopoverWindowConterller::reloadData() {
    m_theFileFormatTableView->clear();
    m_theFileFormatTableView->addItems(m_rules->getFileFormatDataArray());
    m_theFileLocationTableView->clear();
    m_theFileLocationTableView->addItems(m_rules->getLocationDataArray());
}

int PPopoverWindowConterller::selectedRow(const QListWidget* list) {
    const QModelIndexList rows = list->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void PPopoverWindowConterller::PRLeftButtonMouseDownHandle(QObject* object) {
    if (!object) return;
    if (object == m_addFileFormatBtn)
        AddFileFormatAction();
    else if (object == m_subFileFormatBtn)
        SubFileFormatAction();
    else if (object == m_addFileLocationBtn)
        AddFilLocationAction();
    else if (object == m_subFileLocationBtn)
        SubFilLocationAction();
}

void PPopoverWindowConterller::AddFileFormatAction() {
    m_addValueWindow->setWindowTitle(localized("Add Protection File Format"));
    m_valuelab->clear();
    m_addValueWindow->adjustSize();
    const QWidget* over = m_view->window();
    const QRect area = over && over->isVisible()    ? over->frameGeometry()
                       : m_addValueWindow->screen() ? m_addValueWindow->screen()->availableGeometry()
                                                    : QRect();
    WindowPlacement::centerOver(m_addValueWindow, area);
    m_addValueWindow->show();
    m_addValueWindow->raise();
    m_addValueWindow->activateWindow();
    m_valuelab->setFocus();
}

void PPopoverWindowConterller::tellIfNotSaved() {
    if (m_rules->lastWriteSucceeded() || !m_alerts) return;
    m_alerts->runModal({localized("The protection rules could not be saved."), localized(" OK "), QString(),
                        localized("Corvane could not write its settings file, so the change holds only while "
                                  "Corvane runs.")});
}

bool PPopoverWindowConterller::AddValueAction() {
    if (!m_rules->addFileFormat(m_valuelab->text())) return false;
    reloadData();
    m_addValueWindow->hide();
    tellIfNotSaved();
    return true;
}

void PPopoverWindowConterller::SubFileFormatAction() {
    m_rules->removeFileFormatAt(selectedRow(m_theFileFormatTableView));
    reloadData();
    tellIfNotSaved();
}

void PPopoverWindowConterller::AddFilLocationAction() {
    QWidget* parentWindow = m_view->window();
    if (parentWindow) {
        parentWindow->raise();
        parentWindow->activateWindow();
    }
    const QString chosen =
        m_chooseFolder ? m_chooseFolder(parentWindow, m_paths ? m_paths->userHome() : QString()) : QString();
    openPanelDidEnd5(chosen, chosen.isEmpty() ? 0 : 1);
}

void PPopoverWindowConterller::openPanelDidEnd5(const QString& chosenFolder, int returnCode) {
    if (returnCode != 1) return;
    if (!m_rules->addLocation(chosenFolder)) return;
    reloadData();
    tellIfNotSaved();
}

void PPopoverWindowConterller::SubFilLocationAction() {
    m_rules->removeLocationAt(selectedRow(m_theFileLocationTableView));
    reloadData();
    tellIfNotSaved();
}
