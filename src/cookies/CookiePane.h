#pragma once

#include <QWidget>

class CookieManager;
class CookieTableModel;
class NotificationCenter;
class PRLeftTipButton;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableView;

/// The cookie manager's page of the main window: the source buttons (their presses go to the
/// controller's dispatcher), the table of the shown cookies, export and removal. Before a first scan
/// the page shows a short introduction instead of the table.
class CookiePane : public QWidget {
    Q_OBJECT
  public:
    CookiePane(CookieManager* manager, NotificationCenter* nc, QWidget* parent = nullptr);

    /// `ScanFinishOnMainThread`: shows the manager's records, in reading order, nothing selected.
    void ScanFinishOnMainThread();

    PRLeftTipButton* openCookieBtn = nullptr;
    PRLeftTipButton* safariCookieBtn = nullptr;
    PRLeftTipButton* chromeCookieBtn = nullptr;
    PRLeftTipButton* firefoxCookieBtn = nullptr;
    PRLeftTipButton* newCookieBtn = nullptr;  ///< the opened-files list; hidden until a file is chosen
    QProgressBar* theProgressor = nullptr;
    QStackedWidget* body = nullptr;
    QWidget* openView = nullptr;  ///< shown before the first scan
    QTableView* dataTableView = nullptr;
    CookieTableModel* dataController = nullptr;
    QLabel* sourceLabel = nullptr;
    QPushButton* exportButton = nullptr;
    QPushButton* netscapeButton = nullptr;
    QPushButton* removeButton = nullptr;

  private:
    void setBusy(bool busy);

    CookieManager* m_manager;
};
