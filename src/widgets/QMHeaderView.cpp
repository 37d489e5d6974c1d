#include "QMHeaderView.h"

#include "Images.h"

#include <QPainter>

QMHeaderView::QMHeaderView(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("headerView")); }

void QMHeaderView::UpdateWindowImage(const QPixmap& image) {
    headImage = image;
    update();
}

void QMHeaderView::paintEvent(QPaintEvent*) {
    if (headImage.isNull()) headImage = Images::named(QStringLiteral("whiteimage.png"));
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!headImage.isNull()) p.drawPixmap(rect(), headImage);
}
