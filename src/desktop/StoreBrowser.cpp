#include "StoreBrowser.h"

#include <sys/stat.h>

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "DesktopController.h"
#include "FileKinds.h"
#include "NQLeftButton.h"
#include "PRFileInfoPopViewController.h"
#include "core/Path.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/NotificationCenter.h"
#include "platform/Workspace.h"
#include "widgets/ImageButtonRow.h"
#include "widgets/Images.h"
#include "widgets/ProgressPanel.h"

StoreBrowser::StoreBrowser(DesktopController* controller, NotificationCenter* nc,
                           std::shared_ptr<Workspace> workspace, std::shared_ptr<Alerts> alerts,
                           QWidget* parent)
    : QWidget(parent),
      m_controller(controller),
      m_nc(nc),
      m_workspace(std::move(workspace)),
      m_alerts(std::move(alerts)),
      m_model(new StoreBrowserModel(this)) {
    setObjectName(QStringLiteral("storeBrowser"));
    m_chooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(this, localized("Choose where the store folder goes"),
                                                 start);
    };
    auto* layout = new QVBoxLayout(this);
    buildStoreBar(layout);
    buildCategories(layout);
    buildBrowser(layout);
    m_progress = new ProgressPanel(this);
    layout->addWidget(m_progress);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("tidyStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    m_nc->addObserver(
        this, QLatin1String(NQLeftButton::LeftNames.down),
        [this](const NotificationCenter::Notification& n) { NQLeftButtonMouseDownDownHandle(n.object); });
    connect(m_controller, &DesktopController::RefreshFinishTableViewMainThreadHandle, this,
            &StoreBrowser::tidyFinished);
    connect(m_controller, &DesktopController::catalogueChanged, this, &StoreBrowser::followCatalogue);
    updateStoreLabel();
    pressCategory(0);
}

// Where the store is, and the location, refresh and tidy buttons.
void StoreBrowser::buildStoreBar(QVBoxLayout* layout) {
    auto* top = new QHBoxLayout;
    m_storePathlab = new QLabel(this);
    m_storePathlab->setObjectName(QStringLiteral("StorePathlab"));
    m_storePathlab->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(m_storePathlab, 1);
    auto button = [this, top](const QString& text, const char* name, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, slot);
        top->addWidget(b);
        return b;
    };
    button(localized("Choose Folder…"), "ChangeStorePathAction", [this] { ChangeStorePathAction(); });
    button(localized("Refresh"), "FreshCurrentDeskTop", [this] { FreshCurrentDeskTop(); });
    button(localized("Tidy Desktop Now"), "ClickTidyNowAct", [this] { ClickTidyNowAct(); });
    layout->addLayout(top);
}

// The back button and one image button per kind of item.
void StoreBrowser::buildCategories(QVBoxLayout* layout) {
    auto* kinds = new QHBoxLayout;
    m_back = new QPushButton(localized("‹ Back"), this);
    m_back->setObjectName(QStringLiteral("ClickBackAction"));
    connect(m_back, &QPushButton::clicked, this, &StoreBrowser::ClickBackAction);
    kinds->addWidget(m_back);
    const struct {
        const char* name;
        const char* title;
        const char* pressed;
        const char* normal;
        void (StoreBrowser::*show)();
    } categories[] = {
        {"currentDesktopBtn", QT_TRANSLATE_NOOP("Corvane", "All"), "currentBigDesktopdown.png",
         "currentBigDesktopnom.png", &StoreBrowser::selectAllDesktop},
        {"pictureBtn", QT_TRANSLATE_NOOP("Corvane", "Pictures"), "picbigDown.png", "picbignom.png",
         &StoreBrowser::selectPictures},
        {"documentBtn", QT_TRANSLATE_NOOP("Corvane", "Documents"), "docbigdown.png", "docbignom.png",
         &StoreBrowser::selectDocuments},
        {"archiveBtn", QT_TRANSLATE_NOOP("Corvane", "Archives"), "archbigdown.png", "archbignom.png",
         &StoreBrowser::selectArchives},
        {"folerBtn", QT_TRANSLATE_NOOP("Corvane", "Folders"), "folderbigdown.png", "folderbignom.png",
         &StoreBrowser::selectFolders},
        {"otherBtn", QT_TRANSLATE_NOOP("Corvane", "Other"), "othebigdown.png", "otherbignom.png",
         &StoreBrowser::selectOthers},
    };
    m_categories = new ImageButtonRow(QStringLiteral("storeCategories"), this);
    for (const auto& c : categories) {
        auto* b = new NQLeftButton(m_nc, localized(c.title), NQLeftButton::LeftNames);
        b->setObjectName(QLatin1String(c.name));
        m_categories->add(b, QLatin1String(c.pressed), QLatin1String(c.normal));
        m_categoryLists.append(c.show);
    }
    kinds->addWidget(m_categories);
    kinds->addStretch(1);
    layout->addLayout(kinds);
}

// The grid of thumbnails beside the selected item's information.
void StoreBrowser::buildBrowser(QVBoxLayout* layout) {
    auto* split = new QSplitter(this);
    m_theBroswerView = new QListView(split);
    m_theBroswerView->setObjectName(QStringLiteral("theBroswerView"));
    m_theBroswerView->setViewMode(QListView::IconMode);
    m_theBroswerView->setIconSize(QSize(64, 64));
    // Cells of 85 by 85 with 30 between them.
    m_theBroswerView->setGridSize(QSize(85 + 30, 85 + 30));
    m_theBroswerView->setTextElideMode(Qt::ElideMiddle);
    m_theBroswerView->setResizeMode(QListView::Adjust);
    m_theBroswerView->setMovement(QListView::Static);
    m_theBroswerView->setWordWrap(true);
    m_theBroswerView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_theBroswerView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_theBroswerView->setModel(m_model);
    connect(m_theBroswerView, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { imageBrowserCellWasDoubleClicked(index.row()); });
    connect(m_theBroswerView, &QListView::customContextMenuRequested, this, &StoreBrowser::contextMenu);
    connect(m_theBroswerView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &StoreBrowser::selectionChanged);
    m_fileInfoViewController = new PRFileInfoPopViewController(split);
    m_fileInfoViewController->setReveal([this](const QString& path) {
        if (m_workspace) m_workspace->selectFile(path, Path(path).parent().text());
    });
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);
}

void StoreBrowser::selectCell(int row) {
    m_theBroswerView->setCurrentIndex(m_model->index(row));
}

StoreBrowser::~StoreBrowser() {
    m_nc->removeObserver(this);
}

void StoreBrowser::updateStoreLabel() {
    QString why;
    const QString store = m_controller->storeFolder(&why);
    m_storePathlab->setText(store.isEmpty() ? m_controller->StorelocationPath().isEmpty()
                                                  ? localized("No store folder chosen yet.")
                                                  : why
                                            : FsName::displayText(store));
    m_back->setEnabled(!m_parentArray.isEmpty());
}

QList<IKImageItem> StoreBrowser::cellsOf(const QList<NQFileNode::Ptr>& list) {
    QList<IKImageItem> cells;
    cells.reserve(list.size());
    for (const NQFileNode::Ptr& node : list) cells << IKImageItem::of(node);
    return cells;
}

void StoreBrowser::showList(const QList<NQFileNode::Ptr>& list) {
    m_model->setItems(cellsOf(list));
}

void StoreBrowser::followCatalogue() {
    // The category level follows the catalogue, shown or waiting under opened folders, so no cell
    // keeps a record the catalogue has let go of.
    if (m_parentArray.isEmpty()) {
        (this->*m_categoryLists[m_category])();
        return;
    }
    const QList<NQFileNode::Ptr>* lists[] = {&m_controller->catalogue().getDesktopAllArray(),
                                             &m_controller->catalogue().getDesktopPicArray(),
                                             &m_controller->catalogue().getDesktopDocArray(),
                                             &m_controller->catalogue().getDesktopArchArray(),
                                             &m_controller->catalogue().getDesktopFolderArray(),
                                             &m_controller->catalogue().getDesktopOtherArray()};
    m_parentArray.first() = cellsOf(*lists[m_category]);
}

void StoreBrowser::selectAllDesktop() {
    showList(m_controller->catalogue().getDesktopAllArray());
}
void StoreBrowser::selectPictures() {
    showList(m_controller->catalogue().getDesktopPicArray());
}
void StoreBrowser::selectDocuments() {
    showList(m_controller->catalogue().getDesktopDocArray());
}
void StoreBrowser::selectArchives() {
    showList(m_controller->catalogue().getDesktopArchArray());
}
void StoreBrowser::selectFolders() {
    showList(m_controller->catalogue().getDesktopFolderArray());
}
void StoreBrowser::selectOthers() {
    showList(m_controller->catalogue().getDesktopOtherArray());
}

void StoreBrowser::pressCategory(int index) {
    m_category = index;
    m_categories->select(index);
    (this->*m_categoryLists[index])();
}

void StoreBrowser::NQLeftButtonMouseDownDownHandle(QObject* button) {
    const int index = m_categories->indexOf(button);
    if (index >= 0) pressCategory(index);
}

void StoreBrowser::imageBrowserCellWasDoubleClicked(int index) {
    const IKImageItem* cell = m_model->itemAt(index);
    if (!cell || !cell->fileNode) return;
    if (cell->fileNode->fileKindType == QLatin1String(FileKinds::Folder)) {
        const QString parent = Path(cell->filePath).parent().text();
        const std::optional<struct stat> st =
            OpenFolder::openChosen(parent).entry(FsName::toBytes(cell->fileName));
        // Gone or swapped since it was listed: the grid stays as it is.
        if (!st || !S_ISDIR(st->st_mode)) {
            m_status->setText(localized("\"%1\" can't be opened; refresh to see the store as it is now.")
                                  .arg(FsName::displayText(cell->fileName)));
            return;
        }
        // A folder that can't be read opens as an empty level.
        m_parentArray.append(m_model->items());
        const OpenFolder folder = OpenFolder::openChosen(cell->filePath);
        showList(DesktopCatalogue::scanFolder(folder));
        m_status->setText(folder.isOpen()
                              ? QString()
                              : localized("\"%1\" can't be read.").arg(FsName::displayText(cell->fileName)));
        updateStoreLabel();
        return;
    }
    if (m_workspace) m_workspace->openFile(cell->filePath);
}

void StoreBrowser::ClickBackAction() {
    if (m_parentArray.isEmpty()) return;
    m_model->setItems(m_parentArray.takeLast());
    updateStoreLabel();
}

bool StoreBrowser::ChangeStorePathAction() {
    const QString chosen = m_chooseFolder ? m_chooseFolder(m_controller->desktopFolder()) : QString();
    if (chosen.isEmpty()) return false;
    qDebug().noquote() << "path====" + chosen;
    QString why;
    const DesktopController::LocationChange change = m_controller->ChangeStorePath(chosen, &why);
    if (change == DesktopController::LocationChange::Refused) {
        if (m_alerts)
            m_alerts->runModal(
                {localized("That folder can't hold the store folder."), localized(" OK "), {}, why});
        m_status->setText(why);
        return false;
    }
    if (change == DesktopController::LocationChange::NotSaved && m_alerts)
        m_alerts->runModal({localized("The store location could not be saved."),
                            localized(" OK "),
                            {},
                            localized("It is used until Corvane quits.")});
    updateStoreLabel();
    return true;
}

void StoreBrowser::ClickTidyNowAct() {
    // Nothing is tidied into an unknown place: the location is asked for first.
    if (m_controller->StorelocationPath().isEmpty() && !ChangeStorePathAction()) return;
    QString why;
    if (!m_controller->ClickTidyNowAct(&why)) {
        m_status->setText(why);
        return;
    }
    m_status->clear();
    m_progress->track(m_controller->progress(), localized("Tidying the Desktop…"), true);
}

void StoreBrowser::tidyFinished(const QStringList& left) {
    m_progress->finish();
    m_status->setText(left.isEmpty()
                          ? localized("The Desktop is tidy.")
                          : localized("Left on the Desktop: %1").arg(left.join(QStringLiteral("; "))));
}

void StoreBrowser::FreshCurrentDeskTop() {
    QString why;
    const bool tidying = m_controller->isTidying();
    if (!tidying) m_parentArray.clear();
    m_controller->FreshCurrentDeskTop(&why);
    m_catalogued = !tidying;
    updateStoreLabel();
    m_status->setText(why);
}

void StoreBrowser::showPage() {
    if (!m_catalogued && !m_controller->storeFolder().isEmpty()) {
        m_controller->FreshCurrentDeskTop();
        m_catalogued = true;
    }
    updateStoreLabel();
}

void StoreBrowser::selectionChanged() {
    const IKImageItem* cell = m_model->itemAt(m_theBroswerView->currentIndex().row());
    if (cell) m_fileInfoViewController->InitViewWithFileNode(cell->fileNode);
}

void StoreBrowser::contextMenu(const QPoint& at) {
    const IKImageItem* cell = m_model->itemAt(m_theBroswerView->indexAt(at).row());
    if (!cell || !cell->fileNode) return;
    const NQFileNode::Ptr node = cell->fileNode;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("storeItemMenu"));
    menu.addAction(localized("Open"), this, [this, node] {
        if (m_workspace) m_workspace->openFile(node->fullFilePath);
    });
    menu.addAction(localized("Show in Folder"), this, [this, node] {
        if (m_workspace)
            m_workspace->selectFile(node->fullFilePath, Path(node->fullFilePath).parent().text());
    });
    // Only stored items go back or away; what lies inside a stored folder moves with it.
    if (m_parentArray.isEmpty()) {
        menu.addSeparator();
        menu.addAction(localized("Put Back on the Desktop"), this,
                       [this, node] { m_controller->restoreOrSay(node, m_alerts.get()); });
        menu.addAction(localized("Move to Trash"), this,
                       [this, node] { m_controller->trashOrSay(node, m_alerts.get()); })
            ->setObjectName(QStringLiteral("moveToTrashAction"));
        menu.addAction(localized("Delete"), this, [this, node] {
            if (m_alerts &&
                m_alerts->runModal(
                    {localized("Delete \"%1\" for good?").arg(FsName::displayText(node->fileName)),
                     localized(" Delete "), localized(" Cancel "),
                     localized("It does not go to the Trash.")}) != Alerts::Default)
                return;
            m_controller->deleteOrSay(node, m_alerts.get());
        });
    }
    menu.exec(m_theBroswerView->viewport()->mapToGlobal(at));
}
