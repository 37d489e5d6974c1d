#include "MainWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/PaneWidgets.h"
#include "widgets/ThemeColors.h"

namespace {
const char kOverview[] = "overview";
}

MainWindow::MainWindow(NotificationCenter* nc, QWidget* parent) : QMainWindow(parent), m_nc(nc) {
    setObjectName(QStringLiteral("window"));
    setWindowTitle(QStringLiteral("Corvane"));
    setWindowIcon(QIcon(Images::named(QStringLiteral("corvane.png"))));
    resize(920, 620);
    setMinimumSize(760, 500);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    setCentralWidget(central);
    buildLeftPane(row);
    buildRightPane(row);

    m_overviewButton = new PRLeftTipButton(m_nc, localized("Overview"), m_leftView);
    m_overviewButton->setObjectName(QStringLiteral("section_overview"));
    m_overviewButton->setImage(Images::named(QStringLiteral("section-overview.png")));
    m_buttonColumn->addWidget(m_overviewButton);
    m_titles.insert(QLatin1String(kOverview), localized("Overview"));
    showStartView();
}

// The mark, the section buttons, the version.
void MainWindow::buildLeftPane(QHBoxLayout* row) {
    m_leftView = new ImagePanel(QStringLiteral("leftimage.png"), centralWidget());
    m_leftView->setObjectName(QStringLiteral("leftView"));
    // As wide as its longest section title needs, in the user's language and font, 200 at least.
    m_leftView->setMinimumWidth(200);
    m_leftView->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* left = new QVBoxLayout(m_leftView);
    left->setContentsMargins(0, 22, 0, 16);
    left->setSpacing(2);
    auto* brand = new QHBoxLayout;
    brand->setContentsMargins(18, 0, 12, 18);
    auto* mark = new QLabel(m_leftView);
    mark->setPixmap(Images::named(QStringLiteral("corvane-64.png"))
                        .scaled(34, 34, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* name = new QLabel(QStringLiteral("Corvane"), m_leftView);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() + 5);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setStyleSheet(QStringLiteral("color: white;"));
    brand->addWidget(mark);
    brand->addSpacing(6);
    brand->addWidget(name, 1);
    left->addLayout(brand);
    m_buttonColumn = new QVBoxLayout;
    m_buttonColumn->setSpacing(2);
    left->addLayout(m_buttonColumn);
    left->addStretch(1);
    auto* version = new QLabel(localized("Version %1").arg(QStringLiteral(CORVANE_VERSION)), m_leftView);
    version->setStyleSheet(QStringLiteral("color: #7f8ba0; padding-left: 18px;"));
    left->addWidget(version);
    row->addWidget(m_leftView);
}

QWidget* MainWindow::buildHeader(QWidget* parent) {
    auto* header = new ImagePanel(QStringLiteral("bottomimage.png"), parent);
    header->setObjectName(QStringLiteral("headerStrip"));
    header->setFixedHeight(52);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(24, 0, 24, 0);
    m_headerTitle = new QLabel(header);
    QFont headerFont = m_headerTitle->font();
    headerFont.setPointSizeF(headerFont.pointSizeF() + 4);
    headerFont.setBold(true);
    m_headerTitle->setFont(headerFont);
    m_headerTitle->setStyleSheet(QStringLiteral("color: #2b3545;"));
    headerLayout->addWidget(m_headerTitle);
    return header;
}

// A header strip over the start view or the content view.
void MainWindow::buildRightPane(QHBoxLayout* row) {
    auto* rightColumn = new QWidget(centralWidget());
    auto* rightLayout = new QVBoxLayout(rightColumn);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    rightLayout->addWidget(buildHeader(rightColumn));

    m_rightView = new QStackedWidget(rightColumn);
    m_rightView->setObjectName(QStringLiteral("rightView"));
    m_rightView->setStyleSheet(
        QStringLiteral("QStackedWidget#rightView { background: %1; }").arg(ThemeColors::pane(this).name()));
    rightLayout->addWidget(m_rightView, 1);
    row->addWidget(rightColumn, 1);

    m_openView = buildStartView();
    m_rightView->addWidget(m_openView);
    m_theConentView = new QStackedWidget(m_rightView);
    m_theConentView->setObjectName(QStringLiteral("theConentView"));
    m_rightView->addWidget(m_theConentView);
}

// General settings and one card per section.
QWidget* MainWindow::buildStartView() {
    auto* scroll = new QScrollArea(m_rightView);
    scroll->setObjectName(QStringLiteral("openView"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* startContent = new QWidget(scroll);
    startContent->setObjectName(QStringLiteral("startContent"));
    startContent->setStyleSheet(
        QStringLiteral("QWidget#startContent { background: %1; }").arg(ThemeColors::pane(this).name()));
    auto* start = new QVBoxLayout(startContent);
    start->setContentsMargins(24, 20, 24, 24);
    start->setSpacing(14);
    auto* intro = mutedLabel(localized("Corvane keeps your Trash, your Desktop and your browsers tidy. "
                                       "Pick a section on the left, or use the Corvane icon in the panel."),
                             startContent);
    start->addWidget(intro);

    auto* general = new Card(localized("General"), startContent);
    m_autoLunchBtn = new QCheckBox(localized("Open Corvane at login"), general);
    m_autoLunchBtn->setObjectName(QStringLiteral("autoLunchBtn"));
    connect(m_autoLunchBtn, &QCheckBox::clicked, this, &MainWindow::autoLoginClicked);
    m_autoCleanupSelectBtn =
        new QCheckBox(localized("Tidy automatically and follow the dark appearance"), general);
    m_autoCleanupSelectBtn->setObjectName(QStringLiteral("autoCleanupSelectBtn"));
    connect(m_autoCleanupSelectBtn, &QCheckBox::clicked, this, &MainWindow::autoTidyClicked);
    general->body()->addWidget(m_autoLunchBtn);
    general->body()->addWidget(m_autoCleanupSelectBtn);
    m_lastCleanLabel = mutedLabel(QString(), general);
    m_lastCleanLabel->setObjectName(QStringLiteral("lastCleanLabel"));
    general->body()->addWidget(m_lastCleanLabel);
    start->addWidget(general);

    m_cardColumn = new QVBoxLayout;
    m_cardColumn->setSpacing(14);
    start->addLayout(m_cardColumn);
    start->addStretch(1);
    scroll->setWidget(startContent);
    return scroll;
}

PRLeftTipButton* MainWindow::addSection(const Section& section) {
    auto* button = new PRLeftTipButton(m_nc, section.title, m_leftView);
    button->setObjectName(QStringLiteral("section_") + section.id);
    button->setImage(Images::named(section.icon));
    m_buttonColumn->addWidget(button);
    // An explicit minimum wins over the layout's: keep it wide enough for the longest title, so a
    // narrow window squeezes the content side (which scrolls), never a section's name.
    m_leftView->setMinimumWidth(std::max(m_leftView->minimumWidth(), button->sizeHint().width()));
    m_buttons.insert(section.id, button);
    m_titles.insert(section.id, section.title);
    if (section.page) {
        m_theConentView->addWidget(section.page);
        m_pages.insert(section.id, section.page);
    }

    auto* card = new Card(section.title, m_openView);
    auto* line = new QHBoxLayout;
    line->addWidget(mutedLabel(section.summary, card), 1);
    auto* open = new PRLeftTipButton(m_nc, localized("Open"), card);
    open->setObjectName(QStringLiteral("card_") + section.id);
    open->setLook(PRLeftTipButton::Look::Pill);
    open->setFixedSize(open->sizeHint());
    line->addWidget(open, 0, Qt::AlignVCenter);
    card->body()->addLayout(line);
    m_cardColumn->addWidget(card);
    m_cardButtons.insert(section.id, open);
    m_cardRows.insert(section.id, line);
    return button;
}

PRLeftTipButton* MainWindow::addCardButton(const QString& sectionId, const QString& title,
                                           const QString& objectName) {
    QHBoxLayout* line = m_cardRows.value(sectionId);
    if (!line) return nullptr;
    auto* button = new PRLeftTipButton(m_nc, title, line->parentWidget());
    button->setObjectName(objectName);
    button->setLook(PRLeftTipButton::Look::Pill);
    button->setFixedSize(button->sizeHint());
    line->addWidget(button, 0, Qt::AlignVCenter);
    return button;
}

void MainWindow::setLastCleanText(const QString& text) {
    m_lastCleanLabel->setText(text);
}

bool MainWindow::isAutoLoginOn() const {
    return m_autoLunchBtn->isChecked();
}

bool MainWindow::isAutoTidyOn() const {
    return m_autoCleanupSelectBtn->isChecked();
}

void MainWindow::setAutoLogin(bool on) {
    m_autoLunchBtn->setChecked(on);
}

void MainWindow::setAutoTidy(bool on) {
    m_autoCleanupSelectBtn->setChecked(on);
}

void MainWindow::setHeader(const QString& title) {
    m_headerTitle->setText(title);
}

void MainWindow::markCurrent(const QString& id) {
    m_current = id;
    m_overviewButton->setCurrent(id == QLatin1String(kOverview));
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) it.value()->setCurrent(it.key() == id);
    setHeader(m_titles.value(id));
}

void MainWindow::showStartView() {
    m_theConentView->hide();
    m_rightView->setCurrentWidget(m_openView);
    markCurrent(QLatin1String(kOverview));
}

void MainWindow::showSection(const QString& id) {
    QWidget* page = m_pages.value(id);
    if (!page) return;
    m_theConentView->setCurrentWidget(page);
    m_rightView->setCurrentWidget(m_theConentView);
    m_theConentView->show();
    markCurrent(id);
}
