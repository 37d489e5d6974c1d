#pragma once

#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

#include "StoreBrowserModel.h"

class Alerts;
class DesktopController;
class ImageButtonRow;
class NQLeftButton;
class NotificationCenter;
class PRFileInfoPopViewController;
class ProgressPanel;
class QLabel;
class QListView;
class QPushButton;
class QVBoxLayout;
class Workspace;

/// The store browser: the stored Desktop items as a grid of thumbnails, one kind at a time, with
/// folders opened in place and a back button, the information view of the selected item, and the
/// tidy, refresh and store-location actions. A page of the main window.
class StoreBrowser : public QWidget {
    Q_OBJECT
  public:
    StoreBrowser(DesktopController* controller, NotificationCenter* nc, std::shared_ptr<Workspace> workspace,
                 std::shared_ptr<Alerts> alerts, QWidget* parent = nullptr);
    ~StoreBrowser() override;

    /// The store-location panel (tests replace it): the folder chosen, or empty when cancelled.
    void setFolderChooser(std::function<QString(const QString& start)> chooser) {
        m_chooseFolder = std::move(chooser);
    }

    /// Shows the catalogue list of a category button.
    void selectAllDesktop();
    void selectPictures();
    void selectDocuments();
    void selectArchives();
    void selectFolders();
    void selectOthers();
    void imageBrowserCellWasDoubleClicked(int index);
    void ClickBackAction();
    /// Asks for a store location; true when one was chosen and stored.
    bool ChangeStorePathAction();
    /// Starts a tidy, asking for a store location first when none is known.
    void ClickTidyNowAct();
    void FreshCurrentDeskTop();
    /// The page is shown: catalogue the store once, then show the current category.
    void showPage();

    StoreBrowserModel* model() const { return m_model; }
    /// The grid's selected cell (the snapshot mode picks one to show its information).
    void selectCell(int row);
    /// How many folders deep the grid shows (0: a category's list).
    int parentLevels() const { return int(m_parentArray.size()); }

  private:
    static QList<IKImageItem> cellsOf(const QList<NQFileNode::Ptr>& list);
    void showList(const QList<NQFileNode::Ptr>& list);
    void followCatalogue();
    void buildStoreBar(QVBoxLayout* layout);
    void buildCategories(QVBoxLayout* layout);
    void buildBrowser(QVBoxLayout* layout);
    void NQLeftButtonMouseDownDownHandle(QObject* button);
    void pressCategory(int index);
    void updateStoreLabel();
    void tidyFinished(const QStringList& left);
    void contextMenu(const QPoint& at);
    void selectionChanged();

    DesktopController* m_controller;
    NotificationCenter* m_nc;
    std::shared_ptr<Workspace> m_workspace;
    std::shared_ptr<Alerts> m_alerts;
    StoreBrowserModel* m_model;
    QList<QList<IKImageItem>> m_parentArray;
    QList<void (StoreBrowser::*)()> m_categoryLists;  ///< what each category button shows
    ImageButtonRow* m_categories = nullptr;
    QListView* m_theBroswerView = nullptr;
    QLabel* m_storePathlab = nullptr;
    PRFileInfoPopViewController* m_fileInfoViewController = nullptr;
    int m_category = 0;
    bool m_catalogued = false;
    QPushButton* m_back = nullptr;
    QLabel* m_status = nullptr;
    ProgressPanel* m_progress = nullptr;
    std::function<QString(const QString&)> m_chooseFolder;
};
