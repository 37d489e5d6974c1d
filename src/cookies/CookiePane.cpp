#include "CookiePane.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTreeView>
#include <QVBoxLayout>

#include "CookieManager.h"
#include "CookieSiteModel.h"
#include "CookieTableModel.h"
#include "platform/Localized.h"
#include "widgets/Images.h"
#include "widgets/PRLeftTipButton.h"
#include "widgets/PaneWidgets.h"
#include "widgets/TableTextStyle.h"

namespace {

PRLeftTipButton* makeSourceButton(NotificationCenter* nc, const char* name, const char* image,
                                  const QString& tip, QWidget* parent) {
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
    buildSources(nc, layout);
    m_sourceLabel = mutedLabel(QString(), this);
    m_sourceLabel->setObjectName(QStringLiteral("cookieSourceLabel"));
    layout->addWidget(m_sourceLabel);
    m_body = new QStackedWidget(this);
    m_body->setObjectName(QStringLiteral("cookieBody"));
    buildIntro();
    buildTable();
    buildSitesView();
    buildChoiceBar(layout);
    layout->addWidget(m_body, 1);
    buildActions(layout);
    connectActions();
}

PRLeftTipButton* CookiePane::sourceButton(Source source) const {
    switch (source) {
        case Source::OpenFile:
            return m_openCookieBtn;
        case Source::BinaryFile:
            return m_safariCookieBtn;
        case Source::Chrome:
            return m_chromeCookieBtn;
        case Source::Firefox:
            return m_firefoxCookieBtn;
        case Source::OpenedFiles:
            return m_newCookieBtn;
    }
    return nullptr;
}

void CookiePane::showOpenedFilesButton() {
    m_newCookieBtn->show();
}

void CookiePane::buildSources(NotificationCenter* nc, QVBoxLayout* layout) {
    auto* sources = new QHBoxLayout;
    sources->setSpacing(8);
    m_openCookieBtn =
        makeSourceButton(nc, "openCookieBtn", "opencookienom.png", localized("Open a cookie file…"), this);
    m_safariCookieBtn =
        makeSourceButton(nc, "safariCookieBtn", "Safaricookienom.png", localized("Binary cookie file"), this);
    m_chromeCookieBtn = makeSourceButton(nc, "chromeCookieBtn", "chromecookienom.png",
                                         localized("Chrome and Chromium"), this);
    m_firefoxCookieBtn =
        makeSourceButton(nc, "firefoxCookieBtn", "firefoxcookienom.png", localized("Firefox"), this);
    m_newCookieBtn =
        makeSourceButton(nc, "newCookieBtn", "newcookienom.png", localized("The files you opened"), this);
    m_newCookieBtn->hide();
    for (auto* b :
         {m_openCookieBtn, m_safariCookieBtn, m_chromeCookieBtn, m_firefoxCookieBtn, m_newCookieBtn})
        sources->addWidget(b);
    sources->addStretch(1);
    m_theProgressor = new QProgressBar(this);
    m_theProgressor->setObjectName(QStringLiteral("theProgressor"));
    m_theProgressor->setRange(0, 0);
    m_theProgressor->setTextVisible(false);
    m_theProgressor->setFixedSize(90, 8);
    m_theProgressor->hide();
    sources->addWidget(m_theProgressor);
    layout->addLayout(sources);
}

void CookiePane::buildIntro() {
    m_openView = new QWidget(m_body);
    m_openView->setObjectName(QStringLiteral("cookieOpenView"));
    auto* intro = new QVBoxLayout(m_openView);
    auto* words =
        mutedLabel(localized("Pick a browser above to see the cookies it keeps, or open a cookie file. "
                             "You can export them as text or as a cookies.txt file, and remove them."),
                   m_openView);
    words->setWordWrap(true);
    intro->addWidget(words);
    intro->addStretch(1);
    m_body->addWidget(m_openView);
}

void CookiePane::buildTable() {
    m_dataController = new CookieTableModel(this);
    m_dataController->setObjectName(QStringLiteral("cookieTableModel"));
    m_dataTableView = new QTableView(m_body);
    m_dataTableView->setTabKeyNavigation(false);  // arrows move between rows; Tab leaves the table
    m_dataTableView->setObjectName(QStringLiteral("dataTableView"));
    m_dataTableView->setModel(m_dataController);
    m_dataTableView->setSortingEnabled(true);
    m_dataTableView->horizontalHeader()->setSortIndicatorShown(true);
    m_dataTableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);  // reading order at first
    m_dataTableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_dataTableView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_dataTableView->setShowGrid(false);
    m_dataTableView->setAlternatingRowColors(true);
    m_dataTableView->setWordWrap(false);
    m_dataTableView->verticalHeader()->hide();
    m_dataTableView->verticalHeader()->setDefaultSectionSize(24);
    m_dataTableView->horizontalHeader()->setHighlightSections(false);
    m_dataTableView->horizontalHeader()->setStretchLastSection(false);
    m_dataTableView->horizontalHeader()->setSectionResizeMode(CookieTableModel::Value, QHeaderView::Stretch);
    TableTextStyle::apply(m_dataTableView);
    // Widths from the text they hold, so a date is never cut (measuring 100,000 rows would be slow);
    // the value takes the rest.
    const QFontMetrics fm(TableTextStyle::font());
    const auto width = [&fm](const QString& sample) { return fm.horizontalAdvance(sample) + 16; };
    const std::pair<int, QString> widths[] = {
        {CookieTableModel::Website, QStringLiteral(".news.example")},
        {CookieTableModel::Name, QStringLiteral("session_id")},
        {CookieTableModel::Path, QStringLiteral("/account")},
        {CookieTableModel::Secure, localized("Secure")},
        {CookieTableModel::Expires, QStringLiteral("00-00-0000 00:00")},
        {CookieTableModel::SameSite, QStringLiteral("Strict ")},
        {CookieTableModel::Partition, QStringLiteral("https://example")},
        {CookieTableModel::Kept, localized("Kept")}};
    for (const auto& [column, sample] : widths) m_dataTableView->setColumnWidth(column, width(sample));
    m_body->addWidget(m_dataTableView);
}

void CookiePane::buildSitesView() {
    m_siteModel = new CookieSiteModel(this);
    m_sitesView = new QTreeView(m_body);
    m_sitesView->setObjectName(QStringLiteral("cookieSitesView"));
    m_sitesView->setModel(m_siteModel);
    m_sitesView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_sitesView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_sitesView->setAlternatingRowColors(true);
    m_sitesView->setUniformRowHeights(true);
    TableTextStyle::apply(m_sitesView);
    const QFontMetrics fm(TableTextStyle::font());
    m_sitesView->setColumnWidth(CookieSiteModel::SiteOrCookie,
                                fm.horizontalAdvance(QStringLiteral("x")) * 40);
    m_sitesView->setColumnWidth(CookieSiteModel::Count, fm.horizontalAdvance(localized("Cookies")) + 24);
    m_sitesView->setColumnWidth(CookieSiteModel::LatestExpiry,
                                fm.horizontalAdvance(QStringLiteral("00-00-0000 00:00")) + 24);
    m_body->addWidget(m_sitesView);
}

// Above the cookies: how they are shown and which, and what to do with the chosen ones' sites.
void CookiePane::buildChoiceBar(QVBoxLayout* layout) {
    auto* bar = new QHBoxLayout;
    m_sitesToggle = actionButton(localized("By Site"), "cookieSitesToggle", this);
    m_sitesToggle->setCheckable(true);
    m_keepFilter = new QComboBox(this);
    m_keepFilter->setObjectName(QStringLiteral("cookieKeepFilter"));
    m_keepFilter->addItems({localized("All sites"), localized("Kept sites"), localized("Sites not kept")});
    m_keepFilter->setEnabled(false);
    m_selectSiteButton = actionButton(localized("Select All of This Site"), "selectSiteButton", this);
    m_keepButton = actionButton(localized("Keep Site"), "keepSiteButton", this);
    bar->addWidget(m_sitesToggle);
    bar->addWidget(m_keepFilter);
    bar->addStretch(1);
    bar->addWidget(m_selectSiteButton);
    bar->addWidget(m_keepButton);
    layout->addLayout(bar);
}

void CookiePane::buildActions(QVBoxLayout* layout) {
    auto* actions = new QHBoxLayout;
    m_exportButton = actionButton(localized("Export"), "exportCookieButton", this);
    m_netscapeButton = actionButton(localized("Export as cookies.txt"), "exportNetscapeButton", this);
    m_jsonButton = actionButton(localized("Export as JSON"), "exportJsonButton", this);
    m_removeSelectedButton = actionButton(localized("Remove Selected"), "removeSelectedButton", this);
    m_removeButton = actionButton(localized("Remove All Cookies"), "removeCookieButton", this);
    actions->addWidget(m_exportButton);
    actions->addWidget(m_netscapeButton);
    actions->addWidget(m_jsonButton);
    actions->addStretch(1);
    actions->addWidget(m_removeSelectedButton);
    actions->addWidget(m_removeButton);
    layout->addLayout(actions);
}

void CookiePane::connectActions() {
    // Exports take the chosen cookies, or all shown when none are chosen.
    connect(m_exportButton, &QPushButton::clicked, m_manager,
            [this] { m_manager->ActExportCookieData(selectedRecords()); });
    connect(m_netscapeButton, &QPushButton::clicked, m_manager,
            [this] { m_manager->exportNetscape(QString(), selectedRecords()); });
    connect(m_jsonButton, &QPushButton::clicked, m_manager,
            [this] { m_manager->exportJson(QString(), selectedRecords()); });
    connect(m_removeButton, &QPushButton::clicked, m_manager, [this] { m_manager->ActRemoveCookieData(); });
    connect(m_removeSelectedButton, &QPushButton::clicked, m_manager,
            [this] { m_manager->removeRows(selectedRecords()); });
    connect(m_sitesToggle, &QPushButton::toggled, this, &CookiePane::showSites);
    connect(m_keepFilter, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_dataController->setFilter(static_cast<CookieTableModel::Filter>(index)); });
    connect(m_selectSiteButton, &QPushButton::clicked, this, &CookiePane::selectSites);
    connect(m_keepButton, &QPushButton::clicked, this, &CookiePane::toggleKeep);
    connect(m_dataTableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CookiePane::selectionChanged);
    connect(m_sitesView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CookiePane::selectionChanged);
    connect(m_manager, &CookieManager::keepListChanged, this, &CookiePane::keepListChanged);
    connect(m_manager, &CookieManager::busyChanged, this, &CookiePane::setBusy);
    connect(m_manager, &CookieManager::ScanFinishOnMainThread, this, &CookiePane::ScanFinishOnMainThread);
    connect(m_manager, &CookieManager::RemoveFinishOnMainThread, this, [this](bool removed) {
        if (removed) ScanFinishOnMainThread();
    });
}
