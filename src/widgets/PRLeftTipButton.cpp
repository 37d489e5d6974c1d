#include "PRLeftTipButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "platform/NotificationCenter.h"

PRLeftTipButton::PRLeftTipButton(NotificationCenter* center, const QString& title, QWidget* parent)
    : QAbstractButton(parent), nc(center) {
    setText(title);
    // Screen readers say the title; image-only buttons are named where they are made.
    if (!title.isEmpty()) setAccessibleName(title);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
}

QSize PRLeftTipButton::sizeHint() const {
    // The current section's title is bold: size for that, so a longer translation is never cut.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    switch (m_look) {
        case Look::Sidebar:
            return QSize(std::max(180, fm.horizontalAdvance(text()) + (m_image.isNull() ? 26 : 60)),
                         std::max(40, fm.height() + 16));
        case Look::Pill:
            return QSize(std::max(110, fm.horizontalAdvance(text()) + 40), std::max(34, fm.height() + 14));
        case Look::Image:
            return m_image.isNull() ? QSize(120, 36) : m_image.deviceIndependentSize().toSize();
    }
    return QSize(120, 36);
}

void PRLeftTipButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_look == Look::Image) {
        if (!m_image.isNull()) p.drawPixmap(rect(), m_image);
        return;
    }
    if (m_look == Look::Pill) {
        QPainterPath path;
        path.addRoundedRect(r, r.height() / 2, r.height() / 2);
        const QColor accent(0x2f, 0xb5, 0xa5);
        p.fillPath(path, m_hovered ? accent.darker(110) : accent);
        p.setPen(Qt::white);
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        p.drawText(rect(), Qt::AlignCenter, text());
        return;
    }
    // Sidebar: a highlight bar for the current section, a soft wash on hover.
    if (m_current) {
        p.fillRect(rect(), QColor(255, 255, 255, 28));
        p.fillRect(QRect(0, 6, 3, height() - 12), QColor(0x2f, 0xb5, 0xa5));
    } else if (m_hovered) {
        p.fillRect(rect(), QColor(255, 255, 255, 14));
    }
    int x = 18;
    if (!m_image.isNull()) {
        const QRect iconRect(x, (height() - 22) / 2, 22, 22);
        p.drawPixmap(iconRect, m_image);
        x += 34;
    }
    p.setPen(m_current ? QColor(255, 255, 255) : QColor(0xc9, 0xd1, 0xdd));
    QFont f = font();
    f.setBold(m_current);
    p.setFont(f);
    p.drawText(QRect(x, 0, width() - x - 8, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x2f, 0xb5, 0xa5), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void PRLeftTipButton::postMouseDown() {
    if (nc) nc->post(QLatin1String(MouseDown), this);
}

void PRLeftTipButton::mousePressEvent(QMouseEvent* event) {
    // The base button's handling is skipped on purpose: no highlight, no clicked().
    if (event->button() == Qt::LeftButton) postMouseDown();
    event->accept();
}

void PRLeftTipButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void PRLeftTipButton::keyPressEvent(QKeyEvent* event) {
    // Keyboard users reach the same observers as a press.
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        postMouseDown();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PRLeftTipButton::enterEvent(QEnterEvent*) {
    m_hovered = true;
    setCursor(Qt::PointingHandCursor);
    if (nc) nc->post(QLatin1String(MouseEntered), this);
    update();
}

void PRLeftTipButton::leaveEvent(QEvent*) {
    m_hovered = false;
    setCursor(Qt::ArrowCursor);
    if (nc) nc->post(QLatin1String(MouseExited), this);
    update();
}
