#pragma once

#include <QAbstractListModel>
#include <QWidget>
#include <memory>

#include "NQFileNode.h"
#include "platform/Worker.h"

class Alerts;
class DesktopController;
class ImageButtonRow;
class NQLeftButton;
class NotificationCenter;
class PRFileInfoPopViewController;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QVBoxLayout;
class ThumbnailLoader;
class Workspace;

/// The popover's rows: the shown list (tableArray) with icon and name, dragged rows reordering it
/// through the "MyDataType" type.
class DesktopListModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit DesktopListModel(QObject* parent = nullptr);
    void setRows(const QList<NQFileNode::Ptr>& rows);
    const QList<NQFileNode::Ptr>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

  Q_SIGNALS:
    /// A drag from row `source` ended on row `destination`.
    void moveRequested(int source, int destination);

  private:
    QList<NQFileNode::Ptr> m_rows;
    ThumbnailLoader* m_loader;
};

/// The stored Desktop items in the tray popover: category buttons and pop-up, a search field, a
/// reorderable list, the item actions of its context menu, and the tidy, refresh and settings
/// buttons. Main thread only; a search runs on a worker and the latest text's result wins.
class PopoverDesktopList : public QWidget {
    Q_OBJECT
  public:
    PopoverDesktopList(DesktopController* controller, NotificationCenter* nc,
                       std::shared_ptr<Workspace> workspace, std::shared_ptr<Alerts> alerts,
                       QWidget* parent = nullptr);
    ~PopoverDesktopList() override;

    /// Empties the shown and the full list and fills both with `list`'s records.
    void SetTableControllerArray(const QList<NQFileNode::Ptr>& list);
    void SelectItemAction(int index);
    QString SelectTitle() const;
    /// Moves the shown row `source` to `destination` (the order lives only in the shown list).
    void reArrange(int source, int destination);
    void controlTextDidChange(const QString& text);
    void doubleclickAction();
    void CopyAction();
    void ClickShowInFinderAct(int row);
    void ClickOpenFileAct(int row);
    void ClickCopyFileAct(int row);
    void ClickRestoreFileAct(int row);
    void ClickDeleteFileAct(int row);
    /// Moves the row's item into its Trash (asking before a copy to the home Trash).
    void ClickTrashFileAct(int row);

    const QList<NQFileNode::Ptr>& tableArray() const { return m_model->rows(); }
    const QList<NQFileNode::Ptr>& backupArray() const { return m_backupArray; }
    /// Runs when the settings button is pressed.
    void setShowPreferences(std::function<void()> show) { m_showPreferences = std::move(show); }
    /// The line under the list that says what a tidy or a refresh did, or why it did nothing.
    QString statusText() const;

  Q_SIGNALS:
    /// The tidy button was pressed while no store location is known: the location is asked first.
    void storeLocationWanted();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void buildCategories(QVBoxLayout* layout);
    void buildSearch(QVBoxLayout* layout);
    void buildList(QVBoxLayout* layout);
    void buildActions(QVBoxLayout* layout);
    void PBypeButtonMouseDownHandle(QObject* button);
    void followCatalogue();
    void say(const QString& text);
    void initFileInfoPoper(const NQFileNode::Ptr& node);
    void removeRecord(const NQFileNode::Ptr& node);
    const NQFileNode::Ptr* rowAt(int row) const;
    void contextMenu(const QPoint& at);

    DesktopController* m_controller;
    NotificationCenter* m_nc;
    std::shared_ptr<Workspace> m_workspace;
    std::shared_ptr<Alerts> m_alerts;
    DesktopListModel* m_model;
    QList<NQFileNode::Ptr> m_backupArray;
    QString m_shownTitle = QStringLiteral("All Content");  ///< the catalogue list the rows come from
    QLabel* m_status = nullptr;
    ImageButtonRow* m_categories = nullptr;
    QStringList m_categoryLists;  ///< the pop-up title of each category button's list
    QListView* m_theTableView = nullptr;
    QLineEdit* m_thesearchField = nullptr;
    QComboBox* m_thepBtn = nullptr;
    NQLeftButton* m_tidyBtn = nullptr;
    NQLeftButton* m_refreshBtn = nullptr;
    NQLeftButton* m_setBtn = nullptr;
    PRFileInfoPopViewController* m_fileInfoViewController = nullptr;
    int m_searchGeneration = 0;
    QWidget* m_infoPopover = nullptr;
    std::function<void()> m_showPreferences;
    Worker m_searchWorker{this};  ///< last: its searches end before anything they hand back to
};
