#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class Alerts;
class NotificationCenter;
class PRLeftTipButton;
class Paths;
class ProtectionRules;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

/// The protection rules editor: the formats list and the locations list with their add and
/// remove buttons, the small window in which a format is typed and the folder chooser for a
/// location. Each edit is stored at once through ProtectionRules. Main thread only.
///
/// The four buttons only post "PRLeftButtonMouseDown"; the editor observes it and acts for its own
/// buttons, ignoring any other.
class PPopoverWindowConterller : public QObject {
    Q_OBJECT
  public:
    /// Chooses a folder: the parent window and the folder to start in; empty when cancelled.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& startFolder)>;

    /// Builds the view and the add-value window and loads the lists. `paths` gives the folder the
    /// chooser starts in.
    PPopoverWindowConterller(std::shared_ptr<ProtectionRules> rules, NotificationCenter* nc,
                             std::shared_ptr<const Paths> paths, QObject* parent = nullptr);
    ~PPopoverWindowConterller() override;

    /// The editor's content, shown by the rules window; owned by the editor.
    QWidget* view() const { return m_view; }
    ProtectionRules& rules() const { return *m_rules; }

    /// Replaces the folder panel (tests answer without a person).
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    /// Where an edit that could not be saved is told; without it, such an edit goes untold.
    void setAlerts(std::shared_ptr<Alerts> alerts) { m_alerts = std::move(alerts); }

    /// Reloads both lists from the store.
    void viewDidLoad();
    /// Refills both lists from the rules.
    void reloadData();

    void PRLeftButtonMouseDownHandle(QObject* object);
    /// Shows the add-value window, titled "Add Protection File Format", with an empty field.
    void AddFileFormatAction();
    /// Adds the typed format and hides the window; an empty format adds nothing and leaves it open.
    bool AddValueAction();
    void SubFileFormatAction();
    /// Asks for a folder, starting in the user's home.
    void AddFilLocationAction();
    /// The end of the folder panel: `returnCode` 1 stores `chosenFolder`; anything else nothing.
    void openPanelDidEnd5(const QString& chosenFolder, int returnCode);
    void SubFilLocationAction();

  private:
    QWidget* buildListCard(const QString& title, const QString& note, QListWidget** list,
                           const char* listName, PRLeftTipButton** add, const QString& addTitle,
                           const char* addName, PRLeftTipButton** remove, const QString& removeTitle,
                           const char* removeName);
    void buildAddValueWindow();
    static int selectedRow(const QListWidget* list);
    /// After an edit: says so when the rules did not reach the settings file.
    void tellIfNotSaved();

    std::shared_ptr<ProtectionRules> m_rules;
    NotificationCenter* m_nc;
    std::shared_ptr<const Paths> m_paths;
    FolderChooser m_chooseFolder;
    std::shared_ptr<Alerts> m_alerts;
    QPointer<QWidget> m_view;
    QListWidget* m_theFileFormatTableView = nullptr;
    QListWidget* m_theFileLocationTableView = nullptr;
    PRLeftTipButton* m_addFileFormatBtn = nullptr;
    PRLeftTipButton* m_subFileFormatBtn = nullptr;
    PRLeftTipButton* m_addFileLocationBtn = nullptr;
    PRLeftTipButton* m_subFileLocationBtn = nullptr;
    QWidget* m_addValueWindow = nullptr;
    QLineEdit* m_valuelab = nullptr;
    QPushButton* m_addValueButton = nullptr;
};
