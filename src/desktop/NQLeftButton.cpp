#include "NQLeftButton.h"

#include <QKeyEvent>
#include <QPainter>

#include "platform/NotificationCenter.h"

NQLeftButton::NQLeftButton(NotificationCenter* nc, const QString& title, Names names, QWidget* parent)
    : QAbstractButton(parent), m_nc(nc), m_names(names) {
    setText(title);
    setAccessibleName(title);
    setFocusPolicy(Qt::StrongFocus);
}

void NQLeftButton::setImage(const QPixmap& image) {
    m_image = image;
    updateGeometry();
    update();
}

QSize NQLeftButton::sizeHint() const {
    if (!m_image.isNull()) return m_image.deviceIndependentSize().toSize();
    return {120, 36};
}

QSize NQLeftButton::minimumSizeHint() const {
    return m_image.isNull() ? QAbstractButton::minimumSizeHint() : sizeHint();
}

void NQLeftButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_image.isNull()) {
        p.drawPixmap(rect(), m_image);
    } else {
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(rect(), Qt::AlignCenter, text());
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(0x2f, 0xb5, 0xa5), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void NQLeftButton::post(const char* name) {
    if (m_nc) m_nc->post(QLatin1String(name), this);
}

void NQLeftButton::mousePressEvent(QMouseEvent* event) {
    // No clicked(): observers of the notification decide what a press does.
    if (event->button() == Qt::LeftButton) post(m_names.down);
    event->accept();
}

void NQLeftButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        post(m_names.down);
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void NQLeftButton::enterEvent(QEnterEvent*) {
    setCursor(Qt::PointingHandCursor);
    post(m_names.entered);
}

void NQLeftButton::leaveEvent(QEvent*) {
    setCursor(Qt::ArrowCursor);
    post(m_names.exited);
}
