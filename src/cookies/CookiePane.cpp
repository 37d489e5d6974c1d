#include "CookiePane.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "CookieManager.h"
#include "CookieTableModel.h"
#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/PaneWidgets.h"
#include "widgets/TableTextStyle.h"

namespace {

PRLeftTipButton* sourceButton(NotificationCenter* nc, const char* name, const char* image, const QString& tip,
                              QWidget* parent) {
    auto* b = new PRLeftTipButton(nc, QString(), parent);
    b->setObjectName(QLatin1String(name));
    b->setLook(PRLeftTipButton::Look::Image);
    b->setImage(Images::named(QLatin1String(image)));
    b->setFixedSize(120, 36);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    return b;
}

QPushButton* actionButton(const QString& title, const char* name, QWidget* parent) {
    auto* b = new QPushButton(title, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setEnabled(false);
    return b;
}

}  // namespace

CookiePane::CookiePane(CookieManager* manager, NotificationCenter* nc, QWidget* parent)
    : QWidget(parent), m_manager(manager) {
    setObjectName(QStringLiteral("cookiePane"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 14, 20, 14);
    layout->setSpacing(10);

    auto* sources = new QHBoxLayout;
    sources->setSpacing(8);
    openCookieBtn =
        sourceButton(nc, "openCookieBtn", "opencookienom.png", localized("Open a cookie file…"), this);
    safariCookieBtn =
        sourceButton(nc, "safariCookieBtn", "Safaricookienom.png", localized("Binary cookie file"), this);
    chromeCookieBtn =
        sourceButton(nc, "chromeCookieBtn", "chromecookienom.png", localized("Chrome and Chromium"), this);
    firefoxCookieBtn =
        sourceButton(nc, "firefoxCookieBtn", "firefoxcookienom.png", localized("Firefox"), this);
    newCookieBtn =
        sourceButton(nc, "newCookieBtn", "newcookienom.png", localized("The files you opened"), this);
    newCookieBtn->hide();
    for (auto* b : {openCookieBtn, safariCookieBtn, chromeCookieBtn, firefoxCookieBtn, newCookieBtn})
        sources->addWidget(b);
    sources->addStretch(1);
    theProgressor = new QProgressBar(this);
    theProgressor->setObjectName(QStringLiteral("theProgressor"));
    theProgressor->setRange(0, 0);
    theProgressor->setTextVisible(false);
    theProgressor->setFixedSize(90, 8);
    theProgressor->hide();
    sources->addWidget(theProgressor);
    layout->addLayout(sources);

    sourceLabel = mutedLabel(QString(), this);
    sourceLabel->setObjectName(QStringLiteral("cookieSourceLabel"));
    layout->addWidget(sourceLabel);

    body = new QStackedWidget(this);
    openView = new QWidget(body);
    openView->setObjectName(QStringLiteral("cookieOpenView"));
    auto* intro = new QVBoxLayout(openView);
    auto* words =
        mutedLabel(localized("Pick a browser above to see the cookies it keeps, or open a cookie file. "
                             "You can export them as text or as a cookies.txt file, and remove them."),
                   openView);
    words->setWordWrap(true);
    intro->addWidget(words);
    intro->addStretch(1);
    body->addWidget(openView);

    dataController = new CookieTableModel(this);
    dataTableView = new QTableView(body);
    dataTableView->setTabKeyNavigation(false);  // arrows move between rows; Tab leaves the table
    dataTableView->setObjectName(QStringLiteral("dataTableView"));
    dataTableView->setModel(dataController);
    dataTableView->setSortingEnabled(true);
    dataTableView->horizontalHeader()->setSortIndicatorShown(true);
    dataTableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // reading order at first
    dataTableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    dataTableView->setShowGrid(false);
    dataTableView->setAlternatingRowColors(true);
    dataTableView->setWordWrap(false);
    dataTableView->verticalHeader()->hide();
    dataTableView->verticalHeader()->setDefaultSectionSize(24);
    dataTableView->horizontalHeader()->setHighlightSections(false);
    dataTableView->horizontalHeader()->setStretchLastSection(false);
    dataTableView->horizontalHeader()->setSectionResizeMode(CookieTableModel::Value, QHeaderView::Stretch);
    TableTextStyle::apply(dataTableView);
    // Widths from the text they hold, so a date is never cut (measuring 100,000 rows would be slow);
    // the value takes the rest.
    const QFontMetrics fm(TableTextStyle::font());
    const auto width = [&fm](const QString& sample) { return fm.horizontalAdvance(sample) + 16; };
    dataTableView->setColumnWidth(CookieTableModel::Website, width(QStringLiteral(".news.example")));
    dataTableView->setColumnWidth(CookieTableModel::Name, width(QStringLiteral("session_id")));
    dataTableView->setColumnWidth(CookieTableModel::Path, width(QStringLiteral("/account")));
    dataTableView->setColumnWidth(CookieTableModel::Secure, width(localized("Secure")));
    dataTableView->setColumnWidth(CookieTableModel::Expires, width(QStringLiteral("00-00-0000 00:00")));
    body->addWidget(dataTableView);
    layout->addWidget(body, 1);

    auto* actions = new QHBoxLayout;
    exportButton = actionButton(localized("Export"), "exportCookieButton", this);
    netscapeButton = actionButton(localized("Export as cookies.txt"), "exportNetscapeButton", this);
    removeButton = actionButton(localized("Remove All Cookies"), "removeCookieButton", this);
    actions->addWidget(exportButton);
    actions->addWidget(netscapeButton);
    actions->addStretch(1);
    actions->addWidget(removeButton);
    layout->addLayout(actions);

    connect(exportButton, &QPushButton::clicked, m_manager, [this] { m_manager->ActExportCookieData(); });
    connect(netscapeButton, &QPushButton::clicked, m_manager, [this] { m_manager->exportNetscape(); });
    connect(removeButton, &QPushButton::clicked, m_manager, [this] { m_manager->ActRemoveCookieData(); });
    connect(m_manager, &CookieManager::busyChanged, this, &CookiePane::setBusy);
    connect(m_manager, &CookieManager::ScanFinishOnMainThread, this, &CookiePane::ScanFinishOnMainThread);
    connect(m_manager, &CookieManager::RemoveFinishOnMainThread, this, [this](bool removed) {
        if (removed) ScanFinishOnMainThread();
    });
}

void CookiePane::setBusy(bool busy) {
    theProgressor->setVisible(busy);
    for (QPushButton* b : {exportButton, netscapeButton, removeButton})
        b->setEnabled(!busy && body->currentWidget() == dataTableView);
}

void CookiePane::ScanFinishOnMainThread() {
    dataTableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    dataController->setCookies(m_manager->shown());
    dataTableView->clearSelection();
    dataTableView->scrollToTop();
    body->setCurrentWidget(dataTableView);
    const auto source = m_manager->shownSource();
    const int n = int(m_manager->shown().size());
    const QString count = n == 1 ? localized("1 cookie") : localized("%1 cookies").arg(n);
    sourceLabel->setText(
        source.path.isEmpty() ? count : localized("%1 in %2").arg(count, QFileInfo(source.path).filePath()));
    setBusy(m_manager->isBusy());
}
