#include "Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include "FreedesktopPaths.h"
#include "core/fs/OpenFolder.h"

Paths::Paths(const QString& root, const QString& login, uint uid)
    : m_root(normalizedRoot(root)), m_login(login), m_uid(uid) {}

QString Paths::normalizedRoot(const QString& root) {
    if (root.isEmpty() || root == QLatin1String("/")) return QStringLiteral("/");
    QString r = QDir::cleanPath(QFileInfo(root).absoluteFilePath());
    while (r.size() > 1 && r.endsWith(QLatin1Char('/'))) r.chop(1);
    return r;
}

QString Paths::inRoot(const QString& absolute) const {
    if (m_root == QLatin1String("/")) return absolute;
    return m_root + (absolute.startsWith(QLatin1Char('/')) ? absolute : QLatin1Char('/') + absolute);
}

QString Paths::loginNameForUid(uint uid) {
    struct passwd pwd;
    struct passwd* result = nullptr;
    char buffer[4096];
    if (getpwuid_r(uid, &pwd, buffer, sizeof buffer, &result) == 0 && result && result->pw_name)
        return QString::fromLocal8Bit(result->pw_name);
    return QString();
}

QString Paths::currentLoginName() {
    const QString name = loginNameForUid(getuid());
    if (!name.isEmpty()) return name;
    return qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME", QStringLiteral("user")));
}

namespace {

bool macLayoutChosen() {
    return qEnvironmentVariable("CORVANE_LAYOUT").compare(QLatin1String("mac"), Qt::CaseInsensitive) == 0;
}
QString rootFromEnvironment() {
    return qEnvironmentVariable("CORVANE_ROOT", QStringLiteral("/"));
}

}  // namespace

namespace {

// On a real account the home folder's own path may pass through links the system made; under a
// sandbox nothing is followed.
std::shared_ptr<Paths> withSystemPart(std::shared_ptr<Paths> paths) {
    OpenFolder::setSystemPart(paths->root() == QLatin1String("/") ? paths->userHome() : QString());
    return paths;
}

}  // namespace

std::shared_ptr<Paths> Paths::fromEnvironment() {
    if (macLayoutChosen())
        return withSystemPart(std::make_shared<MacPaths>(rootFromEnvironment(), currentLoginName()));
    return withSystemPart(FreedesktopPaths::forCurrentUser(rootFromEnvironment()));
}

std::shared_ptr<Paths> Paths::forAccount(const QString& login, uint uid) {
    if (macLayoutChosen())
        return withSystemPart(std::make_shared<MacPaths>(rootFromEnvironment(), login, uid));
    return withSystemPart(FreedesktopPaths::forAccount(rootFromEnvironment(), login, uid));
}

MacPaths::MacPaths(const QString& root, const QString& login, uint uid) : Paths(root, login, uid) {}
MacPaths::MacPaths(const QString& root, const QString& login) : Paths(root, login, ::getuid()) {}

QString MacPaths::userHome() const {
    return inRoot(QStringLiteral("/Users/") + loginName());
}
QString MacPaths::userTrash() const {
    return userHome() + QStringLiteral("/.Trash");
}
QString MacPaths::trashRecordsFile() const {
    return userTrash() + QStringLiteral("/.DS_Store");
}
QString MacPaths::userDesktop() const {
    return userHome() + QStringLiteral("/Desktop");
}
QString MacPaths::volumesFolder() const {
    return inRoot(QStringLiteral("/Volumes"));
}

QStringList MacPaths::mountedLocalVolumePaths() const {
    QStringList volumes{root()};
    const QDir dir(volumesFolder());
    const auto entries = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo& info : entries) volumes << info.absoluteFilePath();
    return volumes;
}

QStringList MacPaths::volumeTrashFolders(const QString& volume) const {
    // The first two accounts of the layout; the running user's id is not consulted.
    return {volume + QStringLiteral("/.Trashes/501"), volume + QStringLiteral("/.Trashes/502")};
}

bool MacPaths::visitsVolumeTrash(const QString& volume) const {
    return volume.contains(QLatin1String("/Volumes/"), Qt::CaseInsensitive);
}

QString MacPaths::onStartupVolume(const QString& relative) const {
    return inRoot(relative.startsWith(QLatin1Char('/')) ? relative : QLatin1Char('/') + relative);
}

QString Paths::stateFolder() const {
    // Under a sandbox the environment belongs to the real account: it is not read.
    const QString state = m_root == QLatin1String("/") ? qEnvironmentVariable("XDG_STATE_HOME") : QString();
    return (state.startsWith(QLatin1Char('/')) ? state : userHome() + QStringLiteral("/.local/state")) +
           QStringLiteral("/corvane");
}

QString Paths::outOfRoot(const QString& path) const {
    if (m_root == QLatin1String("/") || !path.startsWith(m_root + QLatin1Char('/'))) return path;
    return path.mid(m_root.size());
}

ScopeLimits Paths::scopeLimits() const {
    ScopeLimits limits;
    limits.uid = uid();
    limits.home = userHome();
    limits.tops << QStringLiteral("/") << root();
    limits.trashes << userTrash() << trashRecordsFile();
    for (const QString& volume : mountedLocalVolumePaths()) {
        limits.tops << volume;
        if (visitsVolumeTrash(volume)) limits.trashes += volumeTrashFolders(volume);
    }
    // A freedesktop Trash's items folder lies in the Trash folder, which holds the records too.
    for (const QString& folder : QStringList(limits.trashes))
        if (folder.endsWith(QLatin1String("/files"))) limits.trashes << folder.chopped(6);
    const QString desktop = userDesktop();
    if (!desktop.isEmpty()) limits.held << desktop;
    return limits;
}

QString Paths::desktopStoreFolder(const QString& location) {
    if (location.isEmpty()) return {};
    QString base = location;
    while (base.size() > 1 && base.endsWith(QLatin1Char('/'))) base.chop(1);
    return (base == QLatin1String("/") ? QString() : base) + QStringLiteral("/com.Nordquil.ploverly");
}

QString MacPaths::safariCookieFile() const {
    return userHome() + QStringLiteral("/Library/Cookies/Cookies.binarycookies");
}
QStringList MacPaths::chromeUserDataFolders() const {
    return {userHome() + QStringLiteral("/Library/Application Support/Google/Chrome")};
}
QStringList MacPaths::firefoxProfileFolders() const {
    return {userHome() + QStringLiteral("/Library/Application Support/Firefox")};
}
QString MacPaths::cookieExportFolder() const {
    return userHome() + QStringLiteral("/Downloads/com.Nordquil.Zelmark");
}
QString MacPaths::documentsFolder() const {
    return userHome() + QStringLiteral("/Documents");
}
