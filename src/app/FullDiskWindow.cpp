#include "FullDiskWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

FullDiskWindow::FullDiskWindow(NotificationCenter* nc, QWidget* parent) : PRCustomeWindow(parent) {
    setObjectName(QStringLiteral("fulldiskWindow"));
    setWindowTitle(localized("Corvane needs access to your Trash"));
    resize(480, 290);
    UpdateWindowImage(Images::named(QStringLiteral("bottomimage.png")));

    auto* layout = new QVBoxLayout(contentView());
    layout->setContentsMargins(32, 20, 32, 24);
    layout->setSpacing(10);
    auto* icon = new QLabel(contentView());
    icon->setPixmap(Images::named(QStringLiteral("section-protect-dark.png")));
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    auto* title = new QLabel(localized("Corvane needs access to your Trash"), contentView());
    QFont f = title->font();
    f.setPointSizeF(f.pointSizeF() + 3);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(ThemeColors::css(ThemeColors::heading(title)));
    layout->addWidget(title);
    auto* text = mutedLabel(localized("Corvane could not read the records of your Trash. Allow Corvane full "
                                      "access to your disk in the system's privacy settings, then open "
                                      "Corvane again so that it can list where your items came from."),
                            contentView());
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    layout->addStretch(1);
    m_diskOkbutton = new PRLeftTipButton(nc, localized("OK"), contentView());
    m_diskOkbutton->setObjectName(QStringLiteral("diskOkbutton"));
    m_diskOkbutton->setLook(PRLeftTipButton::Look::Pill);
    m_diskOkbutton->setFixedSize(120, 36);
    layout->addWidget(m_diskOkbutton, 0, Qt::AlignHCenter);
}
