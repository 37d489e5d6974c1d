#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QRect>

class NotificationCenter;

/// An image button that reports presses and hovering as notifications with itself as object and
/// never sends an action of its own: whatever a press does is done by the observers.
class PRLeftTipButton : public QAbstractButton {
    Q_OBJECT
  public:
    static constexpr const char* MouseDown = "PRLeftButtonMouseDown";
    static constexpr const char* MouseEntered = "PRLeftTipButtonMouseEntered";
    static constexpr const char* MouseExited = "PRLeftTipButtonMouseExited";

    enum class Look { Sidebar, Pill, Image };

    PRLeftTipButton(NotificationCenter* nc, const QString& title, QWidget* parent = nullptr);

    void setImage(const QPixmap& image) {
        m_image = image;
        updateGeometry();  // the sidebar's width depends on it
        update();
    }
    QPixmap image() const { return m_image; }
    void setLook(Look look) {
        m_look = look;
        updateGeometry();
        update();
    }
    /// Sidebar buttons show which section is up.
    void setCurrent(bool current) {
        m_current = current;
        update();
    }
    bool isCurrent() const { return m_current; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void postMouseDown();

    NotificationCenter* nc;
    QPixmap m_image;
    Look m_look = Look::Sidebar;
    bool m_current = false;
    bool m_hovered = false;
};
