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
    m_connectView =
        view("connectView", localized("Allow Corvane into your folders"),
             localized("Choose the folder Corvane may work in (your Trash or your home folder). The "
                       "browser cookie sources are read once a folder is granted."),
             contentView(), &body);
    m_connectBtn =
        imageButton(nc, "connectBtn", "connectnombtn.png", localized("Allow Access"), m_connectView);
    body->addWidget(m_connectBtn, 0, Qt::AlignHCenter);
    layout->addWidget(m_connectView);

    m_startTidyView =
        view("startTidyView", localized("Where should your Desktop's items go?"),
             localized("Tidying moves the items on your Desktop into a folder named "
                       "com.Nordquil.ploverly. Choose the folder that holds it: not the Desktop "
                       "itself, nor your home folder."),
             contentView(), &body);
    m_tidybutton = imageButton(nc, "tidybutton", "startlocationnombtn.png", localized("Choose Folder…"),
                               m_startTidyView);
    body->addWidget(m_tidybutton, 0, Qt::AlignHCenter);
    m_startTidyStatus = mutedLabel(QString(), m_startTidyView);
    m_startTidyStatus->setObjectName(QStringLiteral("startTidyStatus"));
    m_startTidyStatus->setWordWrap(true);
    m_startTidyStatus->setAlignment(Qt::AlignHCenter);
    body->addWidget(m_startTidyStatus);
    m_tidyNowButton = new QPushButton(localized("Tidy Now"), m_startTidyView);
    m_tidyNowButton->setObjectName(QStringLiteral("ClickTidyAction"));
    connect(m_tidyNowButton, &QPushButton::clicked, this, &ConnectWindow::tidyNowClicked);
    m_tidyNowButton->setEnabled(false);  // until a place for the store folder is chosen
    body->addWidget(m_tidyNowButton, 0, Qt::AlignHCenter);
    layout->addWidget(m_startTidyView);
    m_startTidyView->hide();
}

void ConnectWindow::showConnectView() {
    m_startTidyView->hide();
    m_connectView->show();
}

void ConnectWindow::showStartTidyView() {
    m_connectView->hide();
    m_startTidyView->show();
}

void ConnectWindow::setStartLocationPressed(bool pressed) {
    m_tidybutton->setImage(
        Images::named(QLatin1String(pressed ? "startlocationdownbtn.png" : "startlocationnombtn.png")));
}

void ConnectWindow::setStartTidyStatus(const QString& text) {
    m_startTidyStatus->setText(text);
}

void ConnectWindow::setTidyNowEnabled(bool enabled) {
    m_tidyNowButton->setEnabled(enabled);
}
