#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QStackedWidget;
class QVBoxLayout;
class NotificationCenter;
class PRLeftTipButton;

/// The main window: a left pane of section buttons and a right pane that shows either the start
/// view or the content view with one page per section. A later capability is one addSection().
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    struct Section {
        QString id;       ///< short name, used in object names ("trash")
        QString title;    ///< the button's and the header's text
        QString icon;     ///< image file name for the left pane
        QString summary;  ///< one line for the start view's card
        QWidget* page = nullptr;
    };

    explicit MainWindow(NotificationCenter* nc, QWidget* parent = nullptr);

    /// Adds a left-pane button, a card on the start view and the page. The button posts its press;
    /// the owner decides what a press does (usually showSection()).
    PRLeftTipButton* addSection(const Section& section);
    void showSection(const QString& id);
    void showStartView();
    QString currentSection() const { return m_current; }

    PRLeftTipButton* overviewButton() const { return m_overviewButton; }
    PRLeftTipButton* sectionButton(const QString& id) const { return m_buttons.value(id); }
    /// Adds a further button to a section's card on the start view.
    PRLeftTipButton* addCardButton(const QString& sectionId, const QString& title, const QString& objectName);
    /// A button of a card on the start view that opens the section.
    PRLeftTipButton* cardButton(const QString& id) const { return m_cardButtons.value(id); }

    /// The general settings' two check boxes: open at login, and auto tidy (which also gates the
    /// appearance tracking). Setting them sends no click.
    bool isAutoLoginOn() const;
    bool isAutoTidyOn() const;
    void setAutoLogin(bool on);
    void setAutoTidy(bool on);
    /// Sets the start view's line about the last cleaning.
    void setLastCleanText(const QString& text);

  Q_SIGNALS:
    /// The user clicked a check box (its new state is read through the accessors above).
    void autoLoginClicked();
    void autoTidyClicked();

  private:
    void buildLeftPane(QHBoxLayout* row);
    QWidget* buildHeader(QWidget* parent);
    void buildRightPane(QHBoxLayout* row);
    QWidget* buildStartView();
    void setHeader(const QString& title);
    void markCurrent(const QString& id);

    NotificationCenter* m_nc;
    QWidget* m_leftView = nullptr;
    QStackedWidget* m_rightView = nullptr;
    QWidget* m_openView = nullptr;                ///< start view
    QStackedWidget* m_theConentView = nullptr;    ///< one page per section
    QCheckBox* m_autoLunchBtn = nullptr;          ///< open at login
    QCheckBox* m_autoCleanupSelectBtn = nullptr;  ///< auto tidy
    QLabel* m_lastCleanLabel = nullptr;
    QVBoxLayout* m_buttonColumn = nullptr;
    QVBoxLayout* m_cardColumn = nullptr;
    QLabel* m_headerTitle = nullptr;
    PRLeftTipButton* m_overviewButton = nullptr;
    QMap<QString, PRLeftTipButton*> m_buttons;
    QMap<QString, PRLeftTipButton*> m_cardButtons;
    QMap<QString, QHBoxLayout*> m_cardRows;
    QMap<QString, QWidget*> m_pages;
    QMap<QString, QString> m_titles;
    QString m_current;
};
