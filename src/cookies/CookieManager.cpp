#include "CookieManager.h"

#include <QDir>
#include <QFileInfo>

#include "BinaryCookieReader.h"
#include "CookieExport.h"
#include "CookieRemoval.h"
#include "CookieSites.h"
#include "CookieSources.h"
#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"
#include "platform/Alerts.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/Workspace.h"

namespace {

const QByteArray kBinaryMagic("cook");

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

void CookieManager::setDefaults(std::shared_ptr<Defaults> defaults) {
    m_defaults = std::move(defaults);
}

QStringList CookieManager::keepList() const {
    return m_defaults ? CookieSites::keepList(*m_defaults) : QStringList();
}

void CookieManager::setKept(const QStringList& hosts, bool kept) {
    if (!m_defaults) return;
    bool changed = false;
    for (const QString& host : hosts)
        changed =
            (kept ? CookieSites::keep(*m_defaults, host) : CookieSites::unkeep(*m_defaults, host)) || changed;
    if (!changed) return;
    if (!m_defaults->synchronize())
        say(localized("The keep-list could not be saved."),
            localized("The settings file could not be written."));
    Q_EMIT keepListChanged();
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

void CookieManager::startScan(Source source, bool tellProblems, const QString& problem) {
    const bool started = m_worker.start(
        [source, problem] {
            ScanResult r = scan(source);
            if (!problem.isEmpty()) r.problem = problem;
            return r;
        },
        [this, tellProblems](ScanResult result) { finishScan(std::move(result), tellProblems); });
    if (started) Q_EMIT busyChanged(true);
}

void CookieManager::finishScan(ScanResult result, bool tellProblems) {
    m_cookArray = result.cookies;
    m_binaryCookie = result.source.kind == Source::Kind::Binary;
    m_bFireFoxCookie = result.source.kind == Source::Kind::Firefox;
    m_currentScanFilePath = result.source.path;
    if (m_bOpenCookie) {
        m_newCookieArray += m_cookArray;
        m_openedSource = result.source;
        m_bOpenCookie = false;
    }
    show(m_cookArray, result.source);
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
    // A profile found but not read is said, not shown as an empty table without a word.
    if (file.isEmpty() && !refused.isEmpty()) qInfo().noquote() << refused;
    startScan({Source::Kind::Firefox, file}, file.isEmpty() && !refused.isEmpty(),
              file.isEmpty() ? refused : QString());
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
    m_bOpenCookie = false;
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
    m_bOpenCookie = true;
    m_newCookieArray.clear();
    m_openedSource = {};
    return CheckFilePathISCookie(path);
}

void CookieManager::showOpenedFiles() {
    show(m_newCookieArray, m_openedSource);
    Q_EMIT ScanFinishOnMainThread();
}
