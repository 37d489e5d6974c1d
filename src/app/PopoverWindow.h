#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;

/// The tray popover: a popup that borrows a content view while it shows and gives it back when it
/// closes. It deletes itself when closed, so every showing builds a new one.
class PopoverWindow : public QWidget {
    Q_OBJECT
  public:
    /// `extra`, when given, is borrowed too and shown above `content`.
    explicit PopoverWindow(QWidget* content, QWidget* extra = nullptr, QWidget* parent = nullptr);
    ~PopoverWindow() override;

    /// Shows the popover next to `anchor` (global coordinates), below it when there is room.
    /// An empty anchor places it at the top right of the primary screen.
    void showRelativeTo(const QRect& anchor);

  Q_SIGNALS:
    void openMainWindowRequested();
    void quitRequested();
    /// After the popover has closed; the content view has been handed back.
    void popoverDidClose();

  protected:
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent*) override;

  private:
    void releaseContent();
    QPushButton* m_openMainButton = nullptr;
    QPushButton* m_quitButton = nullptr;
    QPointer<QWidget> m_content;
    QPointer<QWidget> m_extra;
    bool m_closedOnce = false;
};
