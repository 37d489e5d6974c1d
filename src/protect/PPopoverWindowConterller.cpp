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
    : QObject(parent), m_rules(std::move(rules)), nc(center), m_paths(std::move(paths)) {
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
        &theFileFormatTableView, "theFileFormatTableView", &addFileFormatBtn, localized("+ Format"),
        "addFileFormatBtn", &subFileFormatBtn, localized("\u2212 Format"), "subFileFormatBtn"));
    layout->addWidget(buildListCard(
        localized("Locations"), localized("Items deleted from these folders or below."),
        &theFileLocationTableView, "theFileLocationTableView", &addFileLocationBtn, localized("+ Location"),
        "addFileLocationBtn", &subFileLocationBtn, localized("\u2212 Location"), "subFileLocationBtn"));
    buildAddValueWindow();

    if (nc)
        nc->addObserver(
            this, QLatin1String(PRLeftTipButton::MouseDown),
            [this](const NotificationCenter::Notification& n) { PRLeftButtonMouseDownHandle(n.object); });
    viewDidLoad();
}

PPopoverWindowConterller::~PPopoverWindowConterller() {
    if (nc) nc->removeObserver(this);
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
    *add = new PRLeftTipButton(nc, addTitle, card);
    *remove = new PRLeftTipButton(nc, removeTitle, card);
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
    addValueWindow = new QWidget(m_view, Qt::Dialog);
    addValueWindow->setObjectName(QStringLiteral("addValueWindow"));
    addValueWindow->setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(addValueWindow);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(10);
    layout->addWidget(mutedLabel(localized("Type a file name extension, such as psd."), addValueWindow));
    valuelab = new QLineEdit(addValueWindow);
    valuelab->setObjectName(QStringLiteral("valuelab"));
    valuelab->setMinimumWidth(260);
    layout->addWidget(valuelab);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* cancel = new QPushButton(localized("Cancel"), addValueWindow);
    cancel->setObjectName(QStringLiteral("cancelValueButton"));
    addValueButton = new QPushButton(localized("Add"), addValueWindow);
    addValueButton->setObjectName(QStringLiteral("addValueButton"));
    addValueButton->setDefault(true);
    addValueButton->setEnabled(false);
    buttons->addWidget(cancel);
    buttons->addWidget(addValueButton);
    layout->addLayout(buttons);

    // An empty format is never added, so the button waits for something to add.
    connect(valuelab, &QLineEdit::textChanged, this, [this](const QString& text) {
        addValueButton->setEnabled(!ProtectionRules::normalizedFormat(text).isEmpty());
    });
    connect(valuelab, &QLineEdit::returnPressed, this, &PPopoverWindowConterller::AddValueAction);
    connect(addValueButton, &QPushButton::clicked, this, &PPopoverWindowConterller::AddValueAction);
    connect(cancel, &QPushButton::clicked, addValueWindow, &QWidget::hide);
}

void PPopoverWindowConterller::viewDidLoad() {
    m_rules->load();
    reloadData();
}

void PPopoverWindowConterller::reloadData() {
    theFileFormatTableView->clear();
    theFileFormatTableView->addItems(m_rules->getFileFormatDataArray());
    theFileLocationTableView->clear();
    theFileLocationTableView->addItems(m_rules->getLocationDataArray());
}

int PPopoverWindowConterller::selectedRow(const QListWidget* list) {
    const QModelIndexList rows = list->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void PPopoverWindowConterller::PRLeftButtonMouseDownHandle(QObject* object) {
    if (!object) return;
    if (object == addFileFormatBtn)
        AddFileFormatAction();
    else if (object == subFileFormatBtn)
        SubFileFormatAction();
    else if (object == addFileLocationBtn)
        AddFilLocationAction();
    else if (object == subFileLocationBtn)
        SubFilLocationAction();
}

void PPopoverWindowConterller::AddFileFormatAction() {
    addValueWindow->setWindowTitle(localized("Add Protection File Format"));
    valuelab->clear();
    addValueWindow->adjustSize();
    const QWidget* over = m_view->window();
    const QRect area = over && over->isVisible()  ? over->frameGeometry()
                       : addValueWindow->screen() ? addValueWindow->screen()->availableGeometry()
                                                  : QRect();
    WindowPlacement::centerOver(addValueWindow, area);
    addValueWindow->show();
    addValueWindow->raise();
    addValueWindow->activateWindow();
    valuelab->setFocus();
}

void PPopoverWindowConterller::tellIfNotSaved() {
    if (m_rules->lastWriteSucceeded() || !m_alerts) return;
    m_alerts->runModal({localized("The protection rules could not be saved."), localized(" OK "), QString(),
                        localized("Corvane could not write its settings file, so the change holds only while "
                                  "Corvane runs.")});
}

bool PPopoverWindowConterller::AddValueAction() {
    if (!m_rules->addFileFormat(valuelab->text())) return false;
    reloadData();
    addValueWindow->hide();
    tellIfNotSaved();
    return true;
}

void PPopoverWindowConterller::SubFileFormatAction() {
    m_rules->removeFileFormatAt(selectedRow(theFileFormatTableView));
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
    m_rules->removeLocationAt(selectedRow(theFileLocationTableView));
    reloadData();
    tellIfNotSaved();
}
