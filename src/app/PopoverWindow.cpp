#include "PopoverWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/ThemeColors.h"

PopoverWindow::PopoverWindow(QWidget* content, QWidget* extra, QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), m_content(content), m_extra(extra) {
    setObjectName(QStringLiteral("thePopover"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(10);

    auto* header = new QHBoxLayout;
    auto* mark = new QLabel(this);
    mark->setPixmap(Images::named(QStringLiteral("corvane-64.png"))
                        .scaled(28, 28, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* title = new QLabel(QStringLiteral("Corvane"), this);
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() + 2);
    title->setFont(f);
    title->setStyleSheet(ThemeColors::css(ThemeColors::heading(title)));
    header->addWidget(mark);
    header->addSpacing(4);
    header->addWidget(title, 1);
    layout->addLayout(header);

    if (m_extra) {
        layout->addWidget(m_extra, 1);
        m_extra->show();
    }
    if (m_content) {
        layout->addWidget(m_content);
        m_content->show();
    }

    auto* footer = new QHBoxLayout;
    m_openMainButton = new QPushButton(localized("Open Corvane"), this);
    m_openMainButton->setObjectName(QStringLiteral("popoverOpenMain"));
    m_openMainButton->setDefault(true);
    m_quitButton = new QPushButton(localized("Quit"), this);
    m_quitButton->setObjectName(QStringLiteral("popoverQuit"));
    footer->addWidget(m_openMainButton);
    footer->addStretch(1);
    footer->addWidget(m_quitButton);
    layout->addLayout(footer);
    // A translation's pills can be wider than the English ones: widen rather than squeeze them.
    setFixedWidth(std::max(340, layout->minimumSize().width()));

    connect(m_openMainButton, &QPushButton::clicked, this, [this] {
        close();
        Q_EMIT openMainWindowRequested();
    });
    connect(m_quitButton, &QPushButton::clicked, this, &PopoverWindow::quitRequested);
}

PopoverWindow::~PopoverWindow() {
    // The borrowed list outlives any one popover, even one deleted while it shows.
    if (m_extra) m_extra->setParent(nullptr);
}

void PopoverWindow::showRelativeTo(const QRect& anchor) {
    adjustSize();
    QScreen* screen =
        anchor.isEmpty() ? QGuiApplication::primaryScreen() : QGuiApplication::screenAt(anchor.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    QPoint at;
    if (anchor.isEmpty()) {
        at = QPoint(area.right() - width() - 8, area.top() + 8);
    } else {
        const bool below = anchor.bottom() + height() + 4 <= area.bottom();
        at = QPoint(anchor.center().x() - width() / 2,
                    below ? anchor.bottom() + 4 : anchor.top() - height() - 4);
    }
    at.setX(std::clamp(at.x(), area.left() + 4, std::max(area.left() + 4, area.right() - width() - 4)));
    at.setY(std::clamp(at.y(), area.top() + 4, std::max(area.top() + 4, area.bottom() - height() - 4)));
    move(at);
    show();
}

void PopoverWindow::releaseContent() {
    if (m_extra) {
        m_extra->hide();
        m_extra->setParent(nullptr);
        m_extra = nullptr;
    }
    if (!m_content) return;
    m_content->hide();
    m_content->setParent(nullptr);
    m_content = nullptr;
}

void PopoverWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_closedOnce) return;
    m_closedOnce = true;
    releaseContent();
    Q_EMIT popoverDidClose();
    close();
}

void PopoverWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    p.fillPath(path, ThemeColors::pane(this));
    p.setPen(ThemeColors::cardBorder(this));
    p.drawPath(path);
}
