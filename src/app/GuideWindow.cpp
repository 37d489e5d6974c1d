#include "GuideWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

namespace {
QWidget* step(const QString& icon, const QString& title, const QString& text, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    auto* picture = new QLabel(row);
    picture->setPixmap(Images::named(icon).scaled(28, 28, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setFixedSize(36, 36);
    picture->setAlignment(Qt::AlignCenter);
    picture->setStyleSheet(QStringLiteral("background: #27344a; border-radius: 8px;"));
    auto* words = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("<b>%1</b>").arg(title), row);
    heading->setStyleSheet(ThemeColors::css(ThemeColors::heading(heading)));
    words->addWidget(heading);
    words->addWidget(mutedLabel(text, row));
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addSpacing(8);
    layout->addLayout(words, 1);
    return row;
}
}  // namespace

GuideWindow::GuideWindow(NotificationCenter* nc, QWidget* parent) : PRCustomeWindow(parent) {
    setObjectName(QStringLiteral("guideWindow"));
    setWindowTitle(localized("Welcome to Corvane"));
    resize(520, 470);
    UpdateWindowImage(Images::named(QStringLiteral("bottomimage.png")));

    auto* layout = new QVBoxLayout(contentView());
    layout->setContentsMargins(32, 18, 32, 24);
    layout->setSpacing(8);
    auto* top = new QHBoxLayout;
    auto* mark = new QLabel(contentView());
    mark->setPixmap(Images::named(QStringLiteral("corvane-64.png")));
    auto* title = new QLabel(localized("Welcome to Corvane"), contentView());
    QFont f = title->font();
    f.setPointSizeF(f.pointSizeF() + 6);
    f.setBold(true);
    title->setFont(f);
    title->setStyleSheet(ThemeColors::css(ThemeColors::heading(title)));
    top->addWidget(mark);
    top->addSpacing(10);
    top->addWidget(title, 1);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addWidget(step(QStringLiteral("section-trash.png"), localized("Your Trash, all of it"),
                           localized("See every item in the Trash and on your volumes, where it came from, "
                                     "and put it back or remove it for good."),
                           contentView()));
    layout->addWidget(step(QStringLiteral("section-autoclean.png"), localized("Cleans itself"),
                           localized("Empty the Trash on a schedule or when it grows too large."),
                           contentView()));
    layout->addWidget(step(QStringLiteral("section-protect.png"), localized("Protects what matters"),
                           localized("Rules keep chosen kinds of files and folders from being emptied."),
                           contentView()));
    layout->addWidget(step(QStringLiteral("section-desktop.png"), localized("Always in reach"),
                           localized("Corvane lives in the panel: click its icon for the quick view, "
                                     "right-click it for the menu."),
                           contentView()));
    layout->addStretch(1);
    m_gotitbutton = new PRLeftTipButton(nc, localized("Got it"), contentView());
    m_gotitbutton->setObjectName(QStringLiteral("gotitbutton"));
    m_gotitbutton->setLook(PRLeftTipButton::Look::Pill);
    m_gotitbutton->setFixedSize(140, 36);
    layout->addWidget(m_gotitbutton, 0, Qt::AlignHCenter);
}
