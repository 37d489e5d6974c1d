#include "PaneWidgets.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "Images.h"
#include "ThemeColors.h"

ImagePanel::ImagePanel(const QString& imageName, QWidget* parent)
    : QWidget(parent), m_image(Images::named(imageName)) {}

void ImagePanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_image.isNull())
        p.fillRect(rect(), palette().window());
    else
        p.drawPixmap(rect(), m_image);
}

Card::Card(const QString& title, QWidget* parent) : QWidget(parent) {
    // Text inside (check boxes too) is drawn against the card, not the pane around it.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ThemeColors::card(this));
    pal.setColor(QPalette::WindowText, ThemeColors::heading(this));
    setPalette(pal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 16);
    layout->setSpacing(8);
    if (!title.isEmpty()) {
        auto* heading = new QLabel(title, this);
        QFont f = heading->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() + 1);
        heading->setFont(f);
        heading->setStyleSheet(ThemeColors::css(ThemeColors::heading(heading)));
        layout->addWidget(heading);
    }
    m_body = new QVBoxLayout;
    m_body->setSpacing(6);
    layout->addLayout(m_body);
}

void Card::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.fillPath(path, palette().color(QPalette::Window));
    p.setPen(ThemeColors::cardBorder(parentWidget()));
    p.drawPath(path);
}

QLabel* mutedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(ThemeColors::css(ThemeColors::muted(label)));
    return label;
}
