#pragma once

#include <QUrl>
#include <QWidget>
#include <memory>

class NoUpdateWindow;
class PRUpdateController;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class Workspace;

/// "UpdateWindow": both versions, the list of changes and the way to the download page. It owns
/// `noUpdateWindow` too, and follows the controller's requests to show or hide them.
class UpdateWindow : public QWidget {
    Q_OBJECT
  public:
    UpdateWindow(PRUpdateController* controller, std::shared_ptr<Workspace> workspace, QUrl downloadPage,
                 QWidget* parent = nullptr);
    ~UpdateWindow() override;

    /// Fills the three fields from the controller.
    void fill();
    /// Fills the fields, then shows the window centred and in front.
    void showUpdate();
    /// Shows `noUpdateWindow` centred and in front.
    void showNoUpdate();

    void ClickNotNowAction();
    /// Opens the download page in the browser; the window stays open.
    void ClickGoDownloadAction();
    void ClickOkAction();

    /// The window that says nothing is newer (the owner manages it as one of its windows).
    NoUpdateWindow* noUpdateWindow() const { return m_noUpdateWindow; }

  private:
    PRUpdateController* m_controller;
    QLabel* m_newversionlab = nullptr;
    QLabel* m_currentversionlab = nullptr;
    QPlainTextEdit* m_whatsnewContentView = nullptr;
    QLabel* m_bottomImageView = nullptr;
    QPushButton* m_notNowButton = nullptr;
    QPushButton* m_goDownloadButton = nullptr;
    NoUpdateWindow* m_noUpdateWindow = nullptr;
    std::shared_ptr<Workspace> m_workspace;
    QUrl m_downloadPage;
};
