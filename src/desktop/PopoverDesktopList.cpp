#include "PopoverDesktopList.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include "DesktopController.h"
#include "NQLeftButton.h"
#include "PRFileInfoPopViewController.h"
#include "ThumbnailLoader.h"
#include "core/Path.h"
#include "core/fs/FsName.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/NotificationCenter.h"
#include "platform/Workspace.h"
#include "widgets/ImageButtonRow.h"
#include "widgets/Images.h"

namespace {

const char* const MyDataType = "MyDataType";

QIcon iconOf(const NQFileNode& node) {
    static QFileIconProvider provider;
    return provider.icon(QFileInfo(node.fullFilePath));
}

}  // namespace

DesktopListModel::DesktopListModel(QObject* parent)
    : QAbstractListModel(parent), m_loader(new ThumbnailLoader(this)) {
    // A picture's row shows its thumbnail once made.
    connect(m_loader, &ThumbnailLoader::iconReady, this, [this](const QString& key) {
        for (int row = 0; row < m_rows.size(); ++row)
            if (ThumbnailLoader::keyOf(*m_rows[row]) == key)
                Q_EMIT dataChanged(index(row), index(row), {Qt::DecorationRole});
    });
}

void DesktopListModel::setRows(const QList<NQFileNode::Ptr>& rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

int DesktopListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant DesktopListModel::data(const QModelIndex& index, int role) const {
    if (index.row() < 0 || index.row() >= m_rows.size()) return {};
    const NQFileNode& node = *m_rows[index.row()];
    if (role == Qt::DisplayRole) return FsName::displayText(node.fileName);
    if (role == Qt::DecorationRole) {
        const QImage thumbnail = m_loader->iconFor(m_rows[index.row()]);
        if (thumbnail.isNull()) return iconOf(node);
        // Centred in a square, so every row's name starts at the same place.
        const int side = qMax(thumbnail.width(), thumbnail.height());
        QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
        square.fill(Qt::transparent);
        QPainter(&square).drawImage((side - thumbnail.width()) / 2, (side - thumbnail.height()) / 2,
                                    thumbnail);
        return QIcon(QPixmap::fromImage(square));
    }
    return {};
}

Qt::ItemFlags DesktopListModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList DesktopListModel::mimeTypes() const {
    return {QLatin1String(MyDataType)};
}

QMimeData* DesktopListModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) return nullptr;
    // Only the first dragged row moves, however many were dragged.
    int first = indexes.first().row();
    for (const QModelIndex& i : indexes) first = qMin(first, i.row());
    auto* data = new QMimeData;
    data->setData(QLatin1String(MyDataType), QByteArray::number(first));
    return data;
}

bool DesktopListModel::dropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                    const QModelIndex& parent) {
    if (!data || !data->hasFormat(QLatin1String(MyDataType))) return false;
    bool ok = false;
    const int source = data->data(QLatin1String(MyDataType)).toInt(&ok);
    if (!ok) return false;
    const int destination = row >= 0 ? row : parent.isValid() ? parent.row() : int(m_rows.size());
    Q_EMIT moveRequested(source, destination);
    // The view must not remove the dragged row afterwards: the move is done.
    return false;
}

PopoverDesktopList::PopoverDesktopList(DesktopController* controller, NotificationCenter* nc,
                                       std::shared_ptr<Workspace> workspace, std::shared_ptr<Alerts> alerts,
                                       QWidget* parent)
    : QWidget(parent),
      m_controller(controller),
      m_nc(nc),
      m_workspace(std::move(workspace)),
      m_alerts(std::move(alerts)),
      m_model(new DesktopListModel(this)) {
    setObjectName(QStringLiteral("popoverDesktopList"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    buildCategories(layout);
    buildSearch(layout);
    buildList(layout);
    buildActions(layout);

    m_nc->addObserver(
        this, QLatin1String(NQLeftButton::TypeNames.down),
        [this](const NotificationCenter::Notification& n) { PBypeButtonMouseDownHandle(n.object); });
    // Whoever changed the catalogue (this list, the store browser, a tidy), the rows follow it.
    connect(m_controller, &DesktopController::catalogueChanged, this, &PopoverDesktopList::followCatalogue);
    // A tidy's end refills both lists with every item, newest first.
    connect(m_controller, &DesktopController::RefreshFinishTableViewMainThreadHandle, this,
            [this](const QStringList& left) {
                SetTableControllerArray(m_controller->catalogue().getDesktopAllArray());
                say(left.isEmpty()
                        ? localized("The Desktop is tidy.")
                        : localized("Left on the Desktop: %1").arg(left.join(QStringLiteral("; "))));
            });
}

// One image button per kind of item.
void PopoverDesktopList::buildCategories(QVBoxLayout* layout) {
    m_categories = new ImageButtonRow(QStringLiteral("popoverCategories"), this);
    m_categories->setSpacing(4);
    const struct {
        const char* name;
        const char* title;
        const char* pressed;
        const char* normal;
        const char* list;
    } categories[] = {
        {"allBtn", QT_TRANSLATE_NOOP("Corvane", "All"), "alldownbbtn.png", "allnombbtn.png", "All Content"},
        {"imageBtn", QT_TRANSLATE_NOOP("Corvane", "Pictures"), "imagedownbtn.png", "imagenombtn.png",
         "Pictures"},
        {"docuBtn", QT_TRANSLATE_NOOP("Corvane", "Documents"), "docdownbtn.png", "docnombtn.png",
         "Documents"},
        {"zipBtn", QT_TRANSLATE_NOOP("Corvane", "Archives"), "zipdownbtn.png", "zipnombtn.png", "Archives"},
        {"folderBtn", QT_TRANSLATE_NOOP("Corvane", "Folders"), "folderdownbtn.png", "foldernombtn.png",
         "Folders"},
        {"otherBtn", QT_TRANSLATE_NOOP("Corvane", "Other"), "otherdownbbtn.png", "othernombbtn.png", "Other"},
    };
    for (const auto& c : categories) {
        auto* b = new NQLeftButton(m_nc, localized(c.title), NQLeftButton::TypeNames);
        b->setObjectName(QLatin1String(c.name));
        b->setToolTip(localized(c.title));
        m_categories->add(b, QLatin1String(c.pressed), QLatin1String(c.normal));
        m_categoryLists << QLatin1String(c.list);
    }
    layout->addWidget(m_categories);
}

// The pop-up of lists and the search field.
void PopoverDesktopList::buildSearch(QVBoxLayout* layout) {
    auto* search = new QHBoxLayout;
    m_thepBtn = new QComboBox(this);
    m_thepBtn->setObjectName(QStringLiteral("thepBtn"));
    for (const char* title :
         {QT_TRANSLATE_NOOP("Corvane", "All Content"), QT_TRANSLATE_NOOP("Corvane", "Folders"),
          QT_TRANSLATE_NOOP("Corvane", "Pictures"), QT_TRANSLATE_NOOP("Corvane", "Documents"),
          QT_TRANSLATE_NOOP("Corvane", "Videos"), QT_TRANSLATE_NOOP("Corvane", "Audios"),
          QT_TRANSLATE_NOOP("Corvane", "Other")})
        m_thepBtn->addItem(localized(title), QLatin1String(title));
    connect(m_thepBtn, &QComboBox::activated, this, &PopoverDesktopList::SelectItemAction);
    m_thesearchField = new QLineEdit(this);
    m_thesearchField->setObjectName(QStringLiteral("thesearchField"));
    m_thesearchField->setPlaceholderText(localized("Search"));
    m_thesearchField->setClearButtonEnabled(true);
    connect(m_thesearchField, &QLineEdit::textChanged, this, &PopoverDesktopList::controlTextDidChange);
    search->addWidget(m_thepBtn);
    search->addWidget(m_thesearchField, 1);
    layout->addLayout(search);
}

// The reorderable list and the line under it.
void PopoverDesktopList::buildList(QVBoxLayout* layout) {
    m_theTableView = new QListView(this);
    m_theTableView->setObjectName(QStringLiteral("theTableView"));
    m_theTableView->setModel(m_model);
    m_theTableView->setIconSize(QSize(32, 32));
    m_theTableView->setMinimumHeight(150);
    m_theTableView->setDragEnabled(true);
    m_theTableView->setAcceptDrops(true);
    m_theTableView->setDropIndicatorShown(true);
    m_theTableView->setDragDropMode(QAbstractItemView::DragDrop);
    m_theTableView->setDefaultDropAction(Qt::MoveAction);
    m_theTableView->setContextMenuPolicy(Qt::CustomContextMenu);
    m_theTableView->setStyleSheet(QStringLiteral("QListView { background: transparent; }"));
    connect(m_model, &DesktopListModel::moveRequested, this, &PopoverDesktopList::reArrange);
    connect(m_theTableView, &QListView::doubleClicked, this, [this] { doubleclickAction(); });
    connect(m_theTableView, &QListView::customContextMenuRequested, this, &PopoverDesktopList::contextMenu);
    connect(m_theTableView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (const NQFileNode::Ptr* node = rowAt(current.row())) initFileInfoPoper(*node);
            });
    layout->addWidget(m_theTableView, 1);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("desktopStatus"));
    m_status->setWordWrap(true);
    m_status->hide();
    layout->addWidget(m_status);
}

// Tidy, refresh and settings.
void PopoverDesktopList::buildActions(QVBoxLayout* layout) {
    auto* actions = new QHBoxLayout;
    m_tidyBtn = new NQLeftButton(m_nc, localized("Tidy"), NQLeftButton::TypeNames, this);
    m_tidyBtn->setObjectName(QStringLiteral("tidyBtn"));
    m_tidyBtn->setImage(Images::named(QStringLiteral("tidydownbtn.png")));
    m_refreshBtn = new NQLeftButton(m_nc, localized("Refresh"), NQLeftButton::TypeNames, this);
    m_refreshBtn->setObjectName(QStringLiteral("refreshBtn"));
    m_refreshBtn->setImage(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(22, 22));
    m_setBtn = new NQLeftButton(m_nc, localized("Settings"), NQLeftButton::TypeNames, this);
    m_setBtn->setObjectName(QStringLiteral("setBtn"));
    m_setBtn->setImage(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(22, 22));
    for (NQLeftButton* b : {m_refreshBtn, m_setBtn}) b->setToolTip(b->text());
    actions->addWidget(m_tidyBtn);
    actions->addStretch(1);
    actions->addWidget(m_refreshBtn);
    actions->addWidget(m_setBtn);
    layout->addLayout(actions);
}

QString PopoverDesktopList::statusText() const {
    return m_status->text();
}

void PopoverDesktopList::say(const QString& text) {
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

void PopoverDesktopList::followCatalogue() {
    // The same items by path, now as the catalogue's records, in the order shown; new ones at the end.
    const QList<NQFileNode::Ptr>& source = m_controller->catalogue().showDesktopArray(m_shownTitle);
    QHash<QString, NQFileNode::Ptr> byPath;
    for (const NQFileNode::Ptr& node : source) byPath.insert(node->fullFilePath, node);
    QSet<QString> known;
    for (const NQFileNode::Ptr& node : std::as_const(m_backupArray)) known.insert(node->fullFilePath);
    m_backupArray = source;
    const QString text = m_thesearchField->text();
    if (!text.isEmpty()) {
        controlTextDidChange(text);  // searched again from the new full list
        return;
    }
    QList<NQFileNode::Ptr> rows;
    for (const NQFileNode::Ptr& node : m_model->rows())
        if (const auto it = byPath.constFind(node->fullFilePath);
            it != byPath.constEnd() && !rows.contains(*it))
            rows << *it;
    for (const NQFileNode::Ptr& node : source)
        if (!known.contains(node->fullFilePath)) rows << node;
    ++m_searchGeneration;
    m_model->setRows(rows);
}

PopoverDesktopList::~PopoverDesktopList() {
    m_nc->removeObserver(this);
    delete m_infoPopover;
}

const NQFileNode::Ptr* PopoverDesktopList::rowAt(int row) const {
    return row >= 0 && row < m_model->rows().size() ? &m_model->rows()[row] : nullptr;
}

void PopoverDesktopList::SetTableControllerArray(const QList<NQFileNode::Ptr>& list) {
    // Which catalogue list this is, so that later changes of the catalogue are followed.
    for (const char* title :
         {"All Content", "Folders", "Pictures", "Documents", "Videos", "Archives", "Other"})
        if (&m_controller->catalogue().showDesktopArray(QLatin1String(title)) == &list)
            m_shownTitle = QLatin1String(title);
    m_backupArray = list;
    ++m_searchGeneration;  // a search still running no longer applies
    m_model->setRows(list);
}

void PopoverDesktopList::PBypeButtonMouseDownHandle(QObject* button) {
    if (const int i = m_categories->indexOf(button); i >= 0) {
        m_categories->select(i);
        SetTableControllerArray(m_controller->catalogue().showDesktopArray(m_categoryLists[i]));
        return;
    }
    if (button == m_tidyBtn) {
        m_tidyBtn->setImage(Images::named(QStringLiteral("tidynombtn.png")));
        QString why;
        if (m_controller->StorelocationPath().isEmpty()) {
            // Nothing is tidied into an unknown place: the location is asked for first.
            say(localized("Choose where the tidied items go first."));
            Q_EMIT storeLocationWanted();
        } else if (m_controller->ClickTidyNowAct(&why)) {
            say(localized("Tidying the Desktop…"));
        } else {
            say(why);
        }
        m_tidyBtn->setImage(Images::named(QStringLiteral("tidydownbtn.png")));
    } else if (button == m_refreshBtn) {
        QString why;
        const bool tidying = m_controller->isTidying();
        m_controller->FreshCurrentDeskTop(&why);
        if (!tidying) SetTableControllerArray(m_controller->catalogue().getDesktopAllArray());
        say(why);
    } else if (button == m_setBtn) {
        if (m_showPreferences) m_showPreferences();
    }
}

QString PopoverDesktopList::SelectTitle() const {
    return m_thepBtn->currentData().toString();
}

void PopoverDesktopList::SelectItemAction(int index) {
    m_thepBtn->setCurrentIndex(index);
    const QString title = SelectTitle();
    // "Audios" has no list of its own: the rows stay as they are.
    if (title != QLatin1String("Audios"))
        SetTableControllerArray(m_controller->catalogue().showDesktopArray(title));
}

void PopoverDesktopList::reArrange(int source, int destination) {
    QList<NQFileNode::Ptr> rows = m_model->rows();
    if (source < 0 || source >= rows.size() || destination < 0 || destination > rows.size()) return;
    rows.insert(destination, rows[source]);
    rows.removeAt(source < destination ? source : source + 1);
    m_model->setRows(rows);
}

void PopoverDesktopList::controlTextDidChange(const QString& text) {
    const int generation = ++m_searchGeneration;
    if (text.isEmpty()) {
        m_model->setRows(m_backupArray);
        return;
    }
    // Every search starts from the full list; only the latest text's result is shown.
    m_searchWorker.start(
        [all = m_backupArray, text] {
            QList<NQFileNode::Ptr> found;
            for (const NQFileNode::Ptr& node : all)
                if (node->fileName.contains(text, Qt::CaseInsensitive)) found << node;
            return found;
        },
        [this, generation](const QList<NQFileNode::Ptr>& found) {
            if (generation == m_searchGeneration) m_model->setRows(found);
        });
}

void PopoverDesktopList::doubleclickAction() {
    ClickOpenFileAct(m_theTableView->currentIndex().row());
}

void PopoverDesktopList::CopyAction() {
    const NQFileNode::Ptr* node = rowAt(m_theTableView->currentIndex().row());
    if (node) QGuiApplication::clipboard()->setText((*node)->fullFilePath);
}

void PopoverDesktopList::ClickOpenFileAct(int row) {
    if (const NQFileNode::Ptr* node = rowAt(row); node && m_workspace)
        m_workspace->openFile((*node)->fullFilePath);
}

void PopoverDesktopList::ClickShowInFinderAct(int row) {
    const NQFileNode::Ptr* node = rowAt(row);
    if (!node || !m_workspace) return;
    const QString path = (*node)->fullFilePath;
    m_workspace->selectFile(path, Path(path).parent().text());
}

void PopoverDesktopList::ClickCopyFileAct(int row) {
    const NQFileNode::Ptr* node = rowAt(row);
    if (!node) return;
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile((*node)->fullFilePath)});
    QGuiApplication::clipboard()->setMimeData(data);
}

void PopoverDesktopList::removeRecord(const NQFileNode::Ptr& node) {
    m_backupArray.removeAll(node);
    QList<NQFileNode::Ptr> rows = m_model->rows();
    rows.removeAll(node);
    m_model->setRows(rows);
}

void PopoverDesktopList::ClickRestoreFileAct(int row) {
    const NQFileNode::Ptr* found = rowAt(row);
    if (!found) return;
    const NQFileNode::Ptr node = *found;
    if (m_controller->restoreOrSay(node, m_alerts.get())) removeRecord(node);
}

void PopoverDesktopList::ClickDeleteFileAct(int row) {
    const NQFileNode::Ptr* found = rowAt(row);
    if (!found) return;
    const NQFileNode::Ptr node = *found;
    // For good, without asking, as the menu item says.
    if (m_controller->deleteOrSay(node, m_alerts.get())) removeRecord(node);
}

void PopoverDesktopList::ClickTrashFileAct(int row) {
    const NQFileNode::Ptr* found = rowAt(row);
    if (!found) return;
    const NQFileNode::Ptr node = *found;
    if (m_controller->trashOrSay(node, m_alerts.get())) removeRecord(node);
}

void PopoverDesktopList::contextMenu(const QPoint& at) {
    const int row = m_theTableView->indexAt(at).row();
    if (!rowAt(row)) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("desktopListMenu"));
    menu.addAction(localized("Open"), this, [this, row] { ClickOpenFileAct(row); });
    menu.addAction(localized("Show in Folder"), this, [this, row] { ClickShowInFinderAct(row); });
    menu.addAction(localized("Copy"), this, [this, row] { ClickCopyFileAct(row); });
    menu.addSeparator();
    menu.addAction(localized("Put Back on the Desktop"), this, [this, row] { ClickRestoreFileAct(row); });
    menu.addAction(localized("Move to Trash"), this, [this, row] { ClickTrashFileAct(row); })
        ->setObjectName(QStringLiteral("moveToTrashAction"));
    menu.addAction(localized("Delete for Good"), this, [this, row] { ClickDeleteFileAct(row); });
    menu.exec(m_theTableView->viewport()->mapToGlobal(at));
}

void PopoverDesktopList::initFileInfoPoper(const NQFileNode::Ptr& node) {
    if (!m_infoPopover) {
        // Beside the popover, without taking its focus or closing it.
        m_infoPopover = new QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        m_infoPopover->setObjectName(QStringLiteral("theFileInfoPopver"));
        auto* layout = new QVBoxLayout(m_infoPopover);
        m_fileInfoViewController = new PRFileInfoPopViewController(m_infoPopover);
        m_fileInfoViewController->setReveal([this](const QString& path) {
            if (m_workspace) m_workspace->selectFile(path, Path(path).parent().text());
        });
        layout->addWidget(m_fileInfoViewController);
        m_infoPopover->resize(320, 420);
    }
    m_fileInfoViewController->InitViewWithFileNode(node);
    if (!isVisible()) return;
    const QPoint corner = mapToGlobal(QPoint(0, 0));
    m_infoPopover->move(qMax(0, corner.x() - m_infoPopover->width() - 12), corner.y());
    m_infoPopover->show();
}

void PopoverDesktopList::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_infoPopover) m_infoPopover->hide();
}
