// CookiePane's state after a scan and what its choice bar does: the chosen cookies, their sites,
// the keep mark, and which buttons can act.
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTableView>
#include <QTreeView>

#include "CookieManager.h"
#include "CookiePane.h"
#include "CookieSiteModel.h"
#include "CookieSites.h"
#include "CookieTableModel.h"
#include "platform/Localized.h"

void CookiePane::setBusy(bool busy) {
    m_theProgressor->setVisible(busy);
    const bool listed = m_body->currentWidget() != m_openView;
    const bool chosen = listed && !selectedRecords().isEmpty();
    for (QPushButton* b : {m_exportButton, m_netscapeButton, m_jsonButton, m_removeButton})
        b->setEnabled(!busy && listed);
    for (QPushButton* b : {m_removeSelectedButton, m_keepButton}) b->setEnabled(!busy && chosen);
    m_selectSiteButton->setEnabled(!busy && chosen && m_body->currentWidget() == m_dataTableView);
    m_sitesToggle->setEnabled(!busy && listed);
    m_keepFilter->setEnabled(!busy && listed && m_body->currentWidget() == m_dataTableView);
}

void CookiePane::ScanFinishOnMainThread() {
    m_dataTableView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    const QStringList keepList = m_manager->keepList();
    m_dataController->setKeepList(keepList);
    m_dataController->setCookies(m_manager->shown());
    m_siteModel->setCookies(m_manager->shown(), keepList);
    // The partition column only where some cookie has one: the value keeps its room.
    const CookieList& shown = m_manager->shown();
    m_dataTableView->setColumnHidden(CookieTableModel::Partition,
                                     std::none_of(shown.cbegin(), shown.cend(),
                                                  [](const PRCookFileNode& c) { return c.isPartitioned(); }));
    m_dataTableView->clearSelection();
    m_dataTableView->scrollToTop();
    m_body->setCurrentWidget(m_sitesToggle->isChecked() ? static_cast<QWidget*>(m_sitesView)
                                                        : m_dataTableView);
    const auto source = m_manager->shownSource();
    const int n = int(m_manager->shown().size());
    const QString count = n == 1 ? localized("1 cookie") : localized("%1 cookies").arg(n);
    m_sourceLabel->setText(
        source.path.isEmpty() ? count : localized("%1 in %2").arg(count, QFileInfo(source.path).filePath()));
    selectionChanged();
}

void CookiePane::showSites(bool sites) {
    if (m_sitesToggle->isChecked() != sites) m_sitesToggle->setChecked(sites);  // comes back here
    if (m_body->currentWidget() == m_openView) return;
    m_body->setCurrentWidget(sites ? static_cast<QWidget*>(m_sitesView) : m_dataTableView);
    selectionChanged();
}

QList<int> CookiePane::selectedRecords() const {
    QList<int> records;
    if (m_body->currentWidget() == m_sitesView) {
        QSet<int> seen;  // a site and one of its cookies both chosen: the cookie once
        for (const QModelIndex& i : m_sitesView->selectionModel()->selectedRows())
            for (int record : m_siteModel->recordsOf(i))
                if (!seen.contains(record)) {
                    seen.insert(record);
                    records << record;
                }
        return records;
    }
    if (m_body->currentWidget() != m_dataTableView) return records;
    for (const QModelIndex& i : m_dataTableView->selectionModel()->selectedRows())
        records << m_dataController->recordAt(i.row());
    return records;
}

QStringList CookiePane::selectedHosts() const {
    QStringList hosts;
    for (int record : selectedRecords()) hosts << m_manager->shown().at(record).fileHost;
    hosts.removeDuplicates();
    return hosts;
}

void CookiePane::selectSites() {
    QSet<QString> sites;
    for (const QString& host : selectedHosts()) sites.insert(CookieSites::siteOf(host));
    QItemSelection selection;
    for (int row = 0; row < m_dataController->rowCount(); ++row) {
        if (sites.contains(CookieSites::siteOf(m_dataController->cookieAt(row).fileHost)))
            selection.select(m_dataController->index(row, 0),
                             m_dataController->index(row, CookieTableModel::ColumnCount - 1));
    }
    m_dataTableView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CookiePane::toggleKeep() {
    const QStringList hosts = selectedHosts();
    const QStringList keepList = m_manager->keepList();
    const bool allKept = std::all_of(hosts.cbegin(), hosts.cend(),
                                     [&](const QString& h) { return CookieSites::isKept(h, keepList); });
    m_manager->setKept(hosts, !allKept);
}

void CookiePane::keepListChanged() {
    const QStringList keepList = m_manager->keepList();
    m_dataController->setKeepList(keepList);
    m_siteModel->setKeepList(keepList);
    selectionChanged();
}

void CookiePane::selectionChanged() {
    const QStringList hosts = selectedHosts();
    const QStringList keepList = m_manager->keepList();
    const bool allKept = !hosts.isEmpty() && std::all_of(hosts.cbegin(), hosts.cend(), [&](const QString& h) {
        return CookieSites::isKept(h, keepList);
    });
    m_keepButton->setText(allKept ? localized("Don't Keep Site") : localized("Keep Site"));
    const int n = int(selectedRecords().size());
    m_removeSelectedButton->setText(n > 0 ? localized("Remove %1 Selected").arg(n)
                                          : localized("Remove Selected"));
    setBusy(m_manager->isBusy());
}
