#include "PRCustomeWindow.h"

#include <QMouseEvent>
#include <QPalette>
#include <QWindow>

#include "QMHeaderView.h"

PRCustomeWindow::PRCustomeWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    // The background stays white under a dark theme too: its text stays dark.
    pal.setColor(QPalette::WindowText, QColor(0x1f, 0x2a, 0x3c));
    setPalette(pal);
    setAutoFillBackground(true);

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("contentView"));
    m_headerView = new QMHeaderView(this);
    m_headerView->setGeometry(0, 0, width(), QMHeaderView::Height);
    m_headerView->lower();
}

void PRCustomeWindow::UpdateWindowImage(const QPixmap& image) {
    m_headerView->UpdateWindowImage(image);
}

void PRCustomeWindow::resizeEvent(QResizeEvent* event) {
    m_headerView->setGeometry(0, 0, width(), QMHeaderView::Height);
    m_content->setGeometry(0, QMHeaderView::Height, width(), height() - QMHeaderView::Height);
    QWidget::resizeEvent(event);
}

void PRCustomeWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && windowHandle()) {
        windowHandle()->startSystemMove();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}
