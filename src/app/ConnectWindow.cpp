#include "ConnectWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

namespace {

QWidget* view(const char* name, const QString& title, const QString& text, QWidget* parent,
              QVBoxLayout** body) {
    auto* w = new QWidget(parent);
    w->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(32, 18, 32, 24);
    layout->setSpacing(10);
    auto* heading = new QLabel(title, w);
    QFont f = heading->font();
    f.setPointSizeF(f.pointSizeF() + 4);
    f.setBold(true);
    heading->setFont(f);
    heading->setStyleSheet(ThemeColors::css(ThemeColors::heading(heading)));
    layout->addWidget(heading);
    auto* words = mutedLabel(text, w);
    words->setWordWrap(true);
    layout->addWidget(words);
    layout->addStretch(1);
    *body = layout;
    return w;
}

PRLeftTipButton* imageButton(NotificationCenter* nc, const char* name, const char* image,
                             const QString& title, QWidget* parent) {
    auto* b = new PRLeftTipButton(nc, QString(), parent);
    b->setAccessibleName(title);
    b->setToolTip(title);
    b->setObjectName(QLatin1String(name));
    b->setLook(PRLeftTipButton::Look::Image);
    b->setImage(Images::named(QLatin1String(image)));
    b->setFixedSize(160, 40);
    return b;
}

}  // namespace

ConnectWindow::ConnectWindow(NotificationCenter* nc, QWidget* parent) : PRCustomeWindow(parent) {
    setObjectName(QStringLiteral("connectWindow"));
    setWindowTitle(localized("Allow Access"));
    resize(480, 260);
    UpdateWindowImage(Images::named(QStringLiteral("bottomimage.png")));
    auto* layout = new QVBoxLayout(contentView());
    layout->setContentsMargins(0, 0, 0, 0);

    QVBoxLayout* body = nullptr;
    connectView =
        view("connectView", localized("Allow Corvane into your folders"),
             localized("Choose the folder Corvane may work in (your Trash or your home folder). The "
                       "browser cookie sources are read once a folder is granted."),
             contentView(), &body);
    connectBtn = imageButton(nc, "connectBtn", "connectnombtn.png", localized("Allow Access"), connectView);
    body->addWidget(connectBtn, 0, Qt::AlignHCenter);
    layout->addWidget(connectView);

    startTidyView = view("startTidyView", localized("Where should your Desktop's items go?"),
                         localized("Tidying moves the items on your Desktop into a folder named "
                                   "com.Nordquil.ploverly. Choose the folder that holds it: not the Desktop "
                                   "itself, nor your home folder."),
                         contentView(), &body);
    tidybutton =
        imageButton(nc, "tidybutton", "startlocationnombtn.png", localized("Choose Folder…"), startTidyView);
    body->addWidget(tidybutton, 0, Qt::AlignHCenter);
    startTidyStatus = mutedLabel(QString(), startTidyView);
    startTidyStatus->setObjectName(QStringLiteral("startTidyStatus"));
    startTidyStatus->setWordWrap(true);
    startTidyStatus->setAlignment(Qt::AlignHCenter);
    body->addWidget(startTidyStatus);
    tidyNowButton = new QPushButton(localized("Tidy Now"), startTidyView);
    tidyNowButton->setObjectName(QStringLiteral("ClickTidyAction"));
    tidyNowButton->setEnabled(false);  // until a place for the store folder is chosen
    body->addWidget(tidyNowButton, 0, Qt::AlignHCenter);
    layout->addWidget(startTidyView);
    startTidyView->hide();
}

void ConnectWindow::showConnectView() {
    startTidyView->hide();
    connectView->show();
}

void ConnectWindow::showStartTidyView() {
    connectView->hide();
    startTidyView->show();
}
