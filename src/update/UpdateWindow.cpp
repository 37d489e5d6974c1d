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
    m_newversionlab = new QLabel(this);
    m_newversionlab->setObjectName(QStringLiteral("newversionlab"));
    QFont f = m_newversionlab->font();
    f.setPointSizeF(f.pointSizeF() + 3);
    f.setBold(true);
    m_newversionlab->setFont(f);
    m_newversionlab->setStyleSheet(ThemeColors::css(ThemeColors::heading(m_newversionlab)));
    column->addWidget(m_newversionlab);
    m_currentversionlab = mutedLabel(QString(), this);
    m_currentversionlab->setObjectName(QStringLiteral("currentversionlab"));
    m_currentversionlab->setWordWrap(true);
    column->addWidget(m_currentversionlab);
    column->addSpacing(6);
    auto* whatsNewTitle = new QLabel(localized("What's new:"), this);
    QFont bold = whatsNewTitle->font();
    bold.setBold(true);
    whatsNewTitle->setFont(bold);
    column->addWidget(whatsNewTitle);
    m_whatsnewContentView = new QPlainTextEdit(this);
    m_whatsnewContentView->setObjectName(QStringLiteral("whatsnewContentView"));
    m_whatsnewContentView->setReadOnly(true);
    column->addWidget(m_whatsnewContentView, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_notNowButton = new QPushButton(localized("Not Now"), this);
    m_notNowButton->setObjectName(QStringLiteral("ClickNotNowAction"));
    m_goDownloadButton = new QPushButton(localized("Download"), this);
    m_goDownloadButton->setObjectName(QStringLiteral("ClickGoDownloadAction"));
    m_goDownloadButton->setDefault(true);
    buttons->addWidget(m_notNowButton);
    buttons->addWidget(m_goDownloadButton);
    column->addLayout(buttons);
    body->addLayout(column, 1);
    outer->addLayout(body, 1);
    m_bottomImageView = new QLabel(this);
    m_bottomImageView->setObjectName(QStringLiteral("bottomImageView"));
    m_bottomImageView->setPixmap(Images::named(QStringLiteral("mainBottomImage.png")));
    m_bottomImageView->setScaledContents(true);
    // Scaled to the window, so the image's own width must not widen it.
    m_bottomImageView->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_bottomImageView->setFixedHeight(24);
    outer->addWidget(m_bottomImageView);

    connect(m_notNowButton, &QPushButton::clicked, this, &UpdateWindow::ClickNotNowAction);
    connect(m_goDownloadButton, &QPushButton::clicked, this, &UpdateWindow::ClickGoDownloadAction);

    m_noUpdateWindow = new NoUpdateWindow;
    connect(m_noUpdateWindow, &NoUpdateWindow::okClicked, this, &UpdateWindow::ClickOkAction);

    connect(m_controller, &PRUpdateController::updateWindowHideRequested, this, &QWidget::hide);
    connect(m_controller, &PRUpdateController::updateWindowRequested, this, &UpdateWindow::showUpdate);
    connect(m_controller, &PRUpdateController::noUpdateWindowRequested, this, &UpdateWindow::showNoUpdate);
}

UpdateWindow::~UpdateWindow() {
    delete m_noUpdateWindow;
}

void UpdateWindow::fill() {
    m_newversionlab->setText(m_controller->newVersionText());
    m_currentversionlab->setText(m_controller->currentVersionText());
    m_whatsnewContentView->setPlainText(m_controller->whatsNewText());
    m_noUpdateWindow->setCurrentVersion(m_controller->currentVersion());
}

void UpdateWindow::showUpdate() {
    fill();
    bringToFront(this);
}

void UpdateWindow::showNoUpdate() {
    fill();
    bringToFront(m_noUpdateWindow);
}

void UpdateWindow::ClickNotNowAction() {
    hide();
}

void UpdateWindow::ClickGoDownloadAction() {
    if (m_workspace) m_workspace->openURL(m_downloadPage);
}

void UpdateWindow::ClickOkAction() {
    m_noUpdateWindow->hide();
}
