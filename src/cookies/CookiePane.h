#pragma once

#include <QList>
#include <QWidget>

class CookieManager;
class CookieSiteModel;
class CookieTableModel;
class NotificationCenter;
class PRLeftTipButton;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableView;
class QTreeView;
class QVBoxLayout;

/// The cookie manager's page of the main window: the source buttons (their presses go to the
/// controller's dispatcher), the shown cookies as a table or grouped by site, the keep-list (a
/// column, a filter and a button that marks the chosen sites), export and removal of the chosen
/// cookies or of all. Before a first scan the page shows a short introduction instead of the table.
class CookiePane : public QWidget {
    Q_OBJECT
  public:
    CookiePane(CookieManager* manager, NotificationCenter* nc, QWidget* parent = nullptr);

    /// `ScanFinishOnMainThread`: shows the manager's records, in reading order, nothing selected.
    void ScanFinishOnMainThread();
    /// The chosen cookies, as indexes into the manager's shown records (table rows, or whole sites
    /// and single cookies in the sites view).
    QList<int> selectedRecords() const;
    /// Shows the sites view (true) or the table.
    void showSites(bool sites);

    /// The source buttons, in the order the app's dispatcher lists them.
    enum class Source { OpenFile, BinaryFile, Chrome, Firefox, OpenedFiles };
    /// A source button; its presses go to the app's dispatcher, which says what they do.
    PRLeftTipButton* sourceButton(Source source) const;
    /// Shows the button of the opened-files list (hidden until a file is chosen).
    void showOpenedFilesButton();

  private:
    void buildSources(NotificationCenter* nc, QVBoxLayout* layout);
    void buildIntro();
    void buildTable();
    void buildSitesView();
    void buildChoiceBar(QVBoxLayout* layout);
    void buildActions(QVBoxLayout* layout);
    void connectActions();
    void setBusy(bool busy);
    void selectSites();
    void toggleKeep();
    void keepListChanged();
    void selectionChanged();
    QStringList selectedHosts() const;

    CookieManager* m_manager;
    PRLeftTipButton* m_openCookieBtn = nullptr;
    PRLeftTipButton* m_safariCookieBtn = nullptr;
    PRLeftTipButton* m_chromeCookieBtn = nullptr;
    PRLeftTipButton* m_firefoxCookieBtn = nullptr;
    PRLeftTipButton* m_newCookieBtn = nullptr;  ///< the opened-files list; hidden until a file is chosen
    QProgressBar* m_theProgressor = nullptr;
    QStackedWidget* m_body = nullptr;
    QWidget* m_openView = nullptr;  ///< shown before the first scan
    QTableView* m_dataTableView = nullptr;
    CookieTableModel* m_dataController = nullptr;
    QLabel* m_sourceLabel = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_netscapeButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    QTreeView* m_sitesView = nullptr;
    CookieSiteModel* m_siteModel = nullptr;
    QPushButton* m_sitesToggle = nullptr;
    QComboBox* m_keepFilter = nullptr;
    QPushButton* m_selectSiteButton = nullptr;
    QPushButton* m_keepButton = nullptr;
    QPushButton* m_jsonButton = nullptr;
    QPushButton* m_removeSelectedButton = nullptr;
};
