#include "UpdateWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "NoUpdateWindow.h"
#include "PRUpdateController.h"
#include "platform/Localized.h"
#include "platform/Workspace.h"
#include "widgets/Images.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"
#include "widgets/WindowPlacement.h"

namespace {

void whiteBackground(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));  // white on a light theme
    pal.setColor(QPalette::WindowText, pal.color(QPalette::Text));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QLabel* appIcon(int size, QWidget* parent) {
    auto* icon = new QLabel(parent);
    icon->setPixmap(Images::named(QStringLiteral("corvane.png"))
                        .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignTop);
    return icon;
}

void bringToFront(QWidget* w) {
    WindowPlacement::centerOnScreen(w);
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace

UpdateWindow::UpdateWindow(PRUpdateController* controller, std::shared_ptr<Workspace> workspace,
                           QUrl downloadPage, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_controller(controller),
      m_workspace(std::move(workspace)),
      m_downloadPage(std::move(downloadPage)) {
    setObjectName(QStringLiteral("UpdateWindow"));
    setWindowTitle(localized("Software Update"));
    resize(540, 380);
    whiteBackground(this);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(24, 22, 24, 16);
    body->setSpacing(18);
    body->addWidget(appIcon(72, this), 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    newversionlab = new QLabel(this);
    newversionlab->setObjectName(QStringLiteral("newversionlab"));
    QFont f = newversionlab->font();
    f.setPointSizeF(f.pointSizeF() + 3);
    f.setBold(true);
    newversionlab->setFont(f);
    newversionlab->setStyleSheet(ThemeColors::css(ThemeColors::heading(newversionlab)));
    column->addWidget(newversionlab);
    currentversionlab = mutedLabel(QString(), this);
    currentversionlab->setObjectName(QStringLiteral("currentversionlab"));
    currentversionlab->setWordWrap(true);
    column->addWidget(currentversionlab);
    column->addSpacing(6);
    auto* whatsNewTitle = new QLabel(localized("What's new:"), this);
    QFont bold = whatsNewTitle->font();
    bold.setBold(true);
    whatsNewTitle->setFont(bold);
    column->addWidget(whatsNewTitle);
    whatsnewContentView = new QPlainTextEdit(this);
    whatsnewContentView->setObjectName(QStringLiteral("whatsnewContentView"));
    whatsnewContentView->setReadOnly(true);
    column->addWidget(whatsnewContentView, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    notNowButton = new QPushButton(localized("Not Now"), this);
    notNowButton->setObjectName(QStringLiteral("ClickNotNowAction"));
    goDownloadButton = new QPushButton(localized("Download"), this);
    goDownloadButton->setObjectName(QStringLiteral("ClickGoDownloadAction"));
    goDownloadButton->setDefault(true);
    buttons->addWidget(notNowButton);
    buttons->addWidget(goDownloadButton);
    column->addLayout(buttons);
    body->addLayout(column, 1);
    outer->addLayout(body, 1);
    bottomImageView = new QLabel(this);
    bottomImageView->setObjectName(QStringLiteral("bottomImageView"));
    bottomImageView->setPixmap(Images::named(QStringLiteral("mainBottomImage.png")));
    bottomImageView->setScaledContents(true);
    // Scaled to the window, so the image's own width must not widen it.
    bottomImageView->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    bottomImageView->setFixedHeight(24);
    outer->addWidget(bottomImageView);

    connect(notNowButton, &QPushButton::clicked, this, &UpdateWindow::ClickNotNowAction);
    connect(goDownloadButton, &QPushButton::clicked, this, &UpdateWindow::ClickGoDownloadAction);

    noUpdateWindow = new NoUpdateWindow;
    connect(noUpdateWindow->okButton, &QPushButton::clicked, this, &UpdateWindow::ClickOkAction);

    connect(m_controller, &PRUpdateController::updateWindowHideRequested, this, &QWidget::hide);
    connect(m_controller, &PRUpdateController::updateWindowRequested, this, &UpdateWindow::showUpdate);
    connect(m_controller, &PRUpdateController::noUpdateWindowRequested, this, &UpdateWindow::showNoUpdate);
}

UpdateWindow::~UpdateWindow() {
    delete noUpdateWindow;
}

void UpdateWindow::fill() {
    newversionlab->setText(m_controller->newVersionText());
    currentversionlab->setText(m_controller->currentVersionText());
    whatsnewContentView->setPlainText(m_controller->whatsNewText());
    noUpdateWindow->setCurrentVersion(m_controller->currentVersion);
}

void UpdateWindow::showUpdate() {
    fill();
    bringToFront(this);
}

void UpdateWindow::showNoUpdate() {
    fill();
    bringToFront(noUpdateWindow);
}

void UpdateWindow::ClickNotNowAction() {
    hide();
}

void UpdateWindow::ClickGoDownloadAction() {
    if (m_workspace) m_workspace->openURL(m_downloadPage);
}

void UpdateWindow::ClickOkAction() {
    noUpdateWindow->hide();
}
