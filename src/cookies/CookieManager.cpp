#include "CookieManager.h"

#include <QDir>
#include <QFileInfo>

#include "BinaryCookieReader.h"
#include "CookieExport.h"
#include "CookieRemoval.h"
#include "CookieSources.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "platform/Alerts.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/Workspace.h"

namespace {

const QByteArray kBinaryMagic("cook");

// The process names (as the kernel shortens them) of each browser.
QStringList processNames(CookieManager::Source::Kind kind) {
    switch (kind) {
        case CookieManager::Source::Kind::Chrome:
            return {QStringLiteral("chrome"), QStringLiteral("chromium"), QStringLiteral("chromium-browse")};
        case CookieManager::Source::Kind::Firefox:
            return {QStringLiteral("firefox"), QStringLiteral("firefox-esr"), QStringLiteral("firefox-bin")};
        case CookieManager::Source::Kind::Binary:
            return {QStringLiteral("Safari")};
        case CookieManager::Source::Kind::None:
            break;
    }
    return {};
}

QString browserName(CookieManager::Source::Kind kind) {
    switch (kind) {
        case CookieManager::Source::Kind::Chrome:
            return localized("Chrome");
        case CookieManager::Source::Kind::Firefox:
            return localized("Firefox");
        default:
            return localized("Safari");
    }
}

}  // namespace

CookieManager::CookieManager(std::shared_ptr<Paths> paths, std::shared_ptr<Alerts> alerts,
                             std::shared_ptr<Workspace> workspace, QObject* parent)
    : QObject(parent),
      m_paths(std::move(paths)),
      m_alerts(std::move(alerts)),
      m_workspace(std::move(workspace)),
      m_worker(this, QStringLiteral("cookie work already running; request ignored")) {}

CookieManager::~CookieManager() {
    m_worker.close();
}

QString CookieManager::exportFolder() const {
    return m_paths->cookieExportFolder();
}

void CookieManager::say(const QString& message, const QString& informative) {
    if (m_alerts) m_alerts->runModal({message, localized(" OK "), QString(), informative});
}

CookieManager::ScanResult CookieManager::scan(Source source) {
    ScanResult r;
    r.source = source;
    if (source.path.isEmpty()) return r;
    if (source.kind == Source::Kind::Binary) {
        auto read = BinaryCookieReader::ReadCookBinaryFileWithPath(source.path);
        r.cookies = std::move(read.cookies);
        r.problem = read.problem;
        return r;
    }
    auto read = source.kind == Source::Kind::Firefox
                    ? CookieDatabase::ReadFirefoxCookDatabaseFileWithPath(source.path)
                : source.kind == Source::Kind::Chrome
                    ? CookieDatabase::ReadCookDatabaseFileWithPath(source.path)
                    : CookieDatabase::read(source.path);
    r.cookies = std::move(read.cookies);
    r.problem = read.problem;
    r.undecryptable = read.undecryptable;
    if (read.kind == CookieDatabase::Kind::Firefox) r.source.kind = Source::Kind::Firefox;
    if (read.kind == CookieDatabase::Kind::Chrome) r.source.kind = Source::Kind::Chrome;
    if (read.kind == CookieDatabase::Kind::Unknown) r.source.kind = Source::Kind::None;
    return r;
}

void CookieManager::startScan(Source source, bool tellProblems) {
    const bool started = m_worker.start(
        [source] { return scan(source); },
        [this, tellProblems](ScanResult result) { finishScan(std::move(result), tellProblems); });
    if (started) Q_EMIT busyChanged(true);
}

void CookieManager::finishScan(ScanResult result, bool tellProblems) {
    cookArray = result.cookies;
    binaryCookie = result.source.kind == Source::Kind::Binary;
    bFireFoxCookie = result.source.kind == Source::Kind::Firefox;
    currentScanFilePath = result.source.path;
    if (bOpenCookie) {
        newCookieArray += cookArray;
        m_openedSource = result.source;
        bOpenCookie = false;
    }
    show(cookArray, result.source);
    Q_EMIT busyChanged(false);
    Q_EMIT ScanFinishOnMainThread();
    // A source the user named by choosing it gets its one message; a browser's own source that is
    // missing just shows an empty table.
    if (tellProblems && !result.problem.isEmpty()) say(result.problem);
}

void CookieManager::show(const CookieList& list, Source source) {
    m_shown = list;
    m_shownSource = source;
}

void CookieManager::ScanSafariCookieFile() {
    startScan({Source::Kind::Binary, CookieSources::safariCookieFile(*m_paths)}, false);
}

void CookieManager::ScanChromeCookieFile() {
    startScan({Source::Kind::Chrome, CookieSources::chromeCookieFile(*m_paths)}, false);
}

void CookieManager::ScanFireFoxCookieFile() {
    QString refused;
    const QString file = CookieSources::firefoxCookieFile(*m_paths, &refused);
    if (file.isEmpty() && !refused.isEmpty()) qInfo().noquote() << refused;
    startScan({Source::Kind::Firefox, file}, false);
}

bool CookieManager::CheckFilePathISCookie(const QString& path) {
    if (isBusy()) {
        qInfo("cookie work already running; request ignored");
        return false;
    }
    const QFileInfo info(path);
    const OpenFolder folder = OpenFolder::openChosen(info.absolutePath());
    const auto head = folder.isOpen() ? folder.readFile(FsName::toBytes(info.fileName()), 16) : std::nullopt;
    if (head) qDebug("headString===%s==", head->left(4).toHex().constData());
    if (head && head->startsWith(kBinaryMagic)) {
        startScan({Source::Kind::Binary, path}, true);
        return true;
    }
    if (head && CookieDatabase::hasDatabaseHeader(*head)) {
        // Which reader by the tables the database holds, decided on the worker.
        startScan({Source::Kind::None, path}, true);
        return true;
    }
    bOpenCookie = false;
    show({}, {});
    Q_EMIT ScanFinishOnMainThread();
    say(localized("\"%1\" is not a cookie file.").arg(path),
        localized(
            "Corvane reads binary cookie files and the cookie databases of Chrome, Chromium and Firefox."));
    return false;
}

bool CookieManager::openChosenFile(const QString& path) {
    if (isBusy()) {
        qInfo("cookie work already running; request ignored");
        return false;
    }
    bOpenCookie = true;
    newCookieArray.clear();
    m_openedSource = {};
    return CheckFilePathISCookie(path);
}

void CookieManager::showOpenedFiles() {
    show(newCookieArray, m_openedSource);
    Q_EMIT ScanFinishOnMainThread();
}

bool CookieManager::browserRunning(Source::Kind kind) const {
    if (!m_workspace) return false;
    const QStringList running = m_workspace->launchedApplications();
    for (const QString& name : processNames(kind))
        if (running.contains(name)) return true;
    return false;
}

void CookieManager::ActRemoveCookieData() {
    if (isBusy()) {
        qInfo("cookie work already running; request ignored");
        return;
    }
    const Source source = m_shownSource;
    if (source.kind == Source::Kind::None || source.path.isEmpty()) {
        show({}, {});
        cookArray.clear();
        Q_EMIT RemoveFinishOnMainThread(false);
        return;
    }
    if (browserRunning(source.kind) &&
        m_alerts->runModal({localized("%1 is running.").arg(browserName(source.kind)), localized(" Remove "),
                            localized(" Cancel "),
                            localized("A running browser may write its cookies back when it closes. Close it "
                                      "first to be sure they are gone.")}) != Alerts::Default)
        return;
    const bool started = m_worker.start(
        [source] {
            if (source.kind == Source::Kind::Binary)
                return CookieRemoval::replaceBinaryFile(source.path, CookieRemoval::sampleCookies());
            return CookieRemoval::removeDatabaseCookies(source.path, source.kind == Source::Kind::Firefox
                                                                         ? CookieDatabase::Kind::Firefox
                                                                         : CookieDatabase::Kind::Chrome);
        },
        [this, source](CookieRemoval::Result result) {
            Q_EMIT busyChanged(false);
            const bool removed = result.outcome == CookieRemoval::Outcome::Removed ||
                                 result.outcome == CookieRemoval::Outcome::NothingThere;
            if (removed) {
                // Only now is the table emptied: the rows are gone from the file.
                cookArray.clear();
                if (m_openedSource.path == source.path) newCookieArray.clear();
                show({}, source);
            }
            Q_EMIT RemoveFinishOnMainThread(removed);
            if (!removed) say(localized("The cookies were not removed."), result.problem);
        });
    if (started) Q_EMIT busyChanged(true);
}

void CookieManager::writeExport(const QString& path, QByteArray data, int leftOut, bool netscape) {
    const bool started = m_worker.start(
        [path, data = std::move(data)] {
            QDir().mkpath(QFileInfo(path).absolutePath());
            return CookieExport::writePrivateFile(path, data);
        },
        [this, path, leftOut, netscape](bool written) {
            m_lastExport = written ? path : QString();
            Q_EMIT busyChanged(false);
            Q_EMIT ExportFinishOnMainThread(written);
            if (!written) {
                say(localized("The cookies could not be exported."),
                    localized("\"%1\" could not be written.").arg(path));
                return;
            }
            if (m_workspace) m_workspace->selectFile(path, QFileInfo(path).absolutePath());
            if (netscape && leftOut > 0)
                say(leftOut == 1 ? localized("1 cookie left out of the export.")
                                 : localized("%1 cookies left out of the export.").arg(leftOut),
                    localized(
                        "Their values are encrypted with a key Corvane could not use, or hold characters a "
                        "cookies.txt file can't carry."));
        });
    if (started) Q_EMIT busyChanged(true);
}

void CookieManager::ActExportCookieData() {
    if (isBusy()) {
        qInfo("cookie work already running; request ignored");
        return;
    }
    PRRtfController builder;
    for (const PRCookFileNode& cookie : std::as_const(m_shown))
        builder.addRtfContent(PRRtfController::lineFor(cookie));
    writeExport(exportFolder() + QLatin1Char('/') + QLatin1String(CookieExport::FileName),
                builder.strRtfContent.toUtf8(), 0, false);
}

void CookieManager::exportNetscape(const QString& target) {
    if (isBusy()) {
        qInfo("cookie work already running; request ignored");
        return;
    }
    int leftOut = 0;
    QByteArray text = CookieExport::netscapeText(m_shown, &leftOut);
    writeExport(target.isEmpty() ? exportFolder() + QStringLiteral("/cookies.txt") : target, std::move(text),
                leftOut, true);
}
