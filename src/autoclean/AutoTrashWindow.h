#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QVBoxLayout;

/// The auto-clean window: shows the popover controller's view while the tray popover does not.
/// The popover takes the view while it shows; the window then shows a note instead, and takes
/// the view back through reclaim() once the popover has handed it back.
class AutoTrashWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AutoTrashWindow(QWidget* view, QWidget* parent = nullptr);

    /// Takes the view back while the window shows and nobody else holds it (call when the popover
    /// has closed).
    void reclaim();
    /// Shows the window when hidden and hides it when shown.
    void toggle();
    /// Whether the view is in this window now.
    bool hostsView() const;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void take();
    void updateNote();

    QPointer<QWidget> m_view;
    QLabel* m_borrowedNote = nullptr;  ///< says where the settings are while the popover has them
    QVBoxLayout* m_layout = nullptr;
};
