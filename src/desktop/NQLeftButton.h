#pragma once

#include <QAbstractButton>
#include <QPixmap>

class NotificationCenter;

/// A hover-aware image button of the store browser: entering, leaving and pressing it post
/// notifications with the button as object; a press does nothing else. NQTypeButton is the same
/// button under the popover's names.
class NQLeftButton : public QAbstractButton {
    Q_OBJECT
  public:
    struct Names {
        const char* entered;
        const char* exited;
        const char* down;
    };
    static constexpr Names LeftNames{"NQLeftButtonMouseEntered", "NQLeftButtonMouseExited",
                                     "NQLeftButtonMouseDown"};
    static constexpr Names TypeNames{"PBypeButtonMouseEntered", "PBypeButtonMouseExited",
                                     "PBypeButtonMouseDown"};

    NQLeftButton(NotificationCenter* nc, const QString& title, Names names = LeftNames,
                 QWidget* parent = nullptr);

    void setImage(const QPixmap& image);
    QPixmap image() const { return m_image; }
    QSize sizeHint() const override;
    /// An image button is never squeezed below its image: its label is part of the picture.
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent*) override {}
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void post(const char* name);

    NotificationCenter* m_nc;
    Names m_names;
    QPixmap m_image;
};

using NQTypeButton = NQLeftButton;
