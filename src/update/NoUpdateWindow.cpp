#include "NoUpdateWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

NoUpdateWindow::NoUpdateWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("noUpdateWindow"));
    setWindowTitle(localized("Software Update"));
    setFixedSize(420, 150);
    QPalette pal = palette();
    // White on a light theme, the theme's text field colours on a dark one.
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Text));
    setPalette(pal);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 18);
    layout->setSpacing(16);
    auto* icon = new QLabel(this);
    icon->setPixmap(Images::named(QStringLiteral("corvane.png"))
                        .scaled(56, 56, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    layout->addWidget(icon, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    auto* title = new QLabel(localized("You're up to date!"), this);
    QFont f = title->font();
    f.setPointSizeF(f.pointSizeF() + 2);
    f.setBold(true);
    title->setFont(f);
    title->setStyleSheet(ThemeColors::css(ThemeColors::heading(title)));
    column->addWidget(title);
    m_messageLabel = mutedLabel(QString(), this);
    m_messageLabel->setObjectName(QStringLiteral("noUpdateMessage"));
    m_messageLabel->setWordWrap(true);
    column->addWidget(m_messageLabel);
    column->addStretch(1);
    m_okButton = new QPushButton(localized("OK"), this);
    m_okButton->setObjectName(QStringLiteral("ClickOkAction"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &NoUpdateWindow::okClicked);
    column->addWidget(m_okButton, 0, Qt::AlignRight);
    layout->addLayout(column, 1);
}

void NoUpdateWindow::setCurrentVersion(const QString& version) {
    m_messageLabel->setText(localized("Corvane %1 is the newest version available.").arg(version));
}
