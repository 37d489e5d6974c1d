// CookieManager's removals and exports: what changes files, each on the worker.
#include <QDir>
#include <QFileInfo>

#include "CookieExport.h"
#include "CookieManager.h"
#include "CookieRemoval.h"
#include "CookieSites.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/Workspace.h"

namespace {

CookieRemoval::Store storeOf(CookieManager::Source::Kind kind) {
    switch (kind) {
        case CookieManager::Source::Kind::Chrome:
            return CookieRemoval::Store::Chrome;
        case CookieManager::Source::Kind::Firefox:
            return CookieRemoval::Store::Firefox;
        default:
            return CookieRemoval::Store::Binary;
    }
}

}  // namespace

bool CookieManager::browserRunning(Source::Kind kind) const {
    if (!m_workspace) return false;
    const QStringList running = m_workspace->launchedApplications();
    for (const QString& name : CookieRemoval::processNames(storeOf(kind)))
        if (running.contains(name)) return true;
    return false;
}

CookieList CookieManager::chosen(const QList<int>& rows) const {
    if (rows.isEmpty()) return m_shown;
    CookieList list;
    list.reserve(rows.size());
    for (int row : rows)
        if (row >= 0 && row < m_shown.size()) list << m_shown[row];
    return list;
}

QString CookieManager::removalQuestion(const QList<int>& rows, QString* informative) const {
    const CookieSites::Plan plan = CookieSites::plan(chosen(rows), keepList());
    if (informative) *informative = CookieSites::keptText(plan);
    return CookieSites::question(plan);
}

void CookieManager::ActRemoveCookieData() {
    startRemoval(m_shown, false);
}

void CookieManager::removeRows(const QList<int>& rows) {
    if (rows.isEmpty()) return;
    startRemoval(chosen(rows), true);
}

bool CookieManager::confirmRemoval(Source source, const CookieList& toRemove, int kept, bool aimed) {
    if (browserRunning(source.kind) &&
        m_alerts->runModal({CookieRemoval::runningBrowserText(storeOf(source.kind)), localized(" Remove "),
                            localized(" Cancel "),
                            localized("Close the browser first to be sure they are gone.")}) !=
            Alerts::Default)
        return false;
    // "Remove All Cookies" of a source without kept sites says what it does on its button.
    if (!aimed && kept == 0) return true;
    CookieSites::Plan plan = CookieSites::plan(toRemove, {});  // the sites of what goes
    plan.kept = kept;
    return m_alerts->runModal({CookieSites::question(plan), localized(" Remove "), localized(" Cancel "),
                               CookieSites::keptText(plan)}) == Alerts::Default;
}

void CookieManager::startRemoval(const CookieList& chosenCookies, bool aimed) {
    if (isBusy()) {
        qInfo("cookie work already running; request ignored");
        return;
    }
    const Source source = m_shownSource;
    if (source.kind == Source::Kind::None || source.path.isEmpty()) {
        show({}, {});
        m_cookArray.clear();
        Q_EMIT RemoveFinishOnMainThread(false);
        return;
    }
    const CookieSites::Plan plan = CookieSites::plan(chosenCookies, keepList());
    if (plan.remove.isEmpty() && plan.kept > 0) {
        say(localized("Nothing was removed."), localized("Every cookie chosen belongs to a kept site."));
        return;
    }
    if (!confirmRemoval(source, plan.remove, plan.kept, aimed)) return;
    // Everything, rows written since the reading included, when nothing is aimed at or spared.
    const bool everything = !aimed && plan.kept == 0;
    const bool started = m_worker.start(
        [source, remove = plan.remove, everything] {
            const auto result = CookieRemoval::remove(storeOf(source.kind), source.path, remove, everything);
            const bool removed = result.outcome == CookieRemoval::Outcome::Removed ||
                                 result.outcome == CookieRemoval::Outcome::NothingThere;
            // The table shows what the file holds now.
            return std::make_tuple(removed, result.problem, removed ? scan(source) : ScanResult{});
        },
        [this, source](std::tuple<bool, QString, ScanResult> done) {
            finishRemoval(source, std::get<0>(done), std::get<1>(done), std::move(std::get<2>(done)));
        });
    if (started) Q_EMIT busyChanged(true);
}

void CookieManager::finishRemoval(Source source, bool removed, const QString& problem, ScanResult reread) {
    Q_EMIT busyChanged(false);
    if (removed) {
        m_cookArray = reread.cookies;
        if (m_openedSource.path == source.path) m_newCookieArray = reread.cookies;
        show(reread.cookies, source);
    }
    Q_EMIT RemoveFinishOnMainThread(removed);
    if (!removed) say(localized("The cookies were not removed."), problem);
}

bool CookieManager::refuseExport(const CookieList& cookies) {
    if (isBusy()) {
        qInfo("cookie work already running; request ignored");
        return true;
    }
    const QString none = CookieExport::nothingToExport(cookies);
    if (none.isEmpty()) return false;
    say(localized("The cookies could not be exported."), none);
    Q_EMIT ExportFinishOnMainThread(false);
    return true;
}

void CookieManager::writeExport(const QString& path, QByteArray data, const QString& leftOutText) {
    const bool started = m_worker.start(
        [path, data = std::move(data)] {
            QDir().mkpath(QFileInfo(path).absolutePath());
            return CookieExport::writePrivateFile(path, data);
        },
        [this, path, leftOutText](bool written) {
            m_lastExport = written ? path : QString();
            Q_EMIT busyChanged(false);
            Q_EMIT ExportFinishOnMainThread(written);
            if (!written) {
                say(localized("The cookies could not be exported."),
                    localized("\"%1\" could not be written.").arg(path));
                return;
            }
            if (m_workspace) m_workspace->selectFile(path, QFileInfo(path).absolutePath());
            if (!leftOutText.isEmpty())
                say(leftOutText.section(QLatin1Char('\n'), 0, 0), leftOutText.section(QLatin1Char('\n'), 1));
        });
    if (started) Q_EMIT busyChanged(true);
}

void CookieManager::ActExportCookieData(const QList<int>& rows) {
    const CookieList cookies = chosen(rows);
    if (refuseExport(cookies)) return;
    PRRtfController builder;
    for (const PRCookFileNode& cookie : cookies) builder.addRtfContent(PRRtfController::lineFor(cookie));
    writeExport(exportFolder() + QLatin1Char('/') + QLatin1String(CookieExport::FileName),
                builder.strRtfContent.toUtf8(), QString());
}

void CookieManager::exportNetscape(const QString& target, const QList<int>& rows) {
    const CookieList cookies = chosen(rows);
    if (refuseExport(cookies)) return;
    int leftOut = 0;
    int partitioned = 0;
    QByteArray text = CookieExport::netscapeText(cookies, &leftOut, &partitioned);
    // The first line is the alert's message, the rest its explanation.
    QString said;
    if (leftOut + partitioned > 0) {
        const int n = leftOut + partitioned;
        said = n == 1 ? localized("1 cookie left out of the export.")
                      : localized("%1 cookies left out of the export.").arg(n);
        if (leftOut > 0)
            said += QLatin1Char('\n') +
                    localized(
                        "Their values are encrypted with a key Corvane could not use, or hold characters a "
                        "cookies.txt file can't carry.");
        if (partitioned > 0)
            said +=
                QLatin1Char('\n') +
                localized(
                    "%1 of them are partitioned (kept for one top-level site), which cookies.txt can't say.")
                    .arg(partitioned);
    }
    writeExport(target.isEmpty() ? exportFolder() + QStringLiteral("/cookies.txt") : target, std::move(text),
                said);
}

void CookieManager::exportJson(const QString& target, const QList<int>& rows) {
    const CookieList cookies = chosen(rows);
    if (refuseExport(cookies)) return;
    writeExport(target.isEmpty() ? exportFolder() + QStringLiteral("/cookies.json") : target,
                CookieExport::jsonText(cookies, keepList()), QString());
}
