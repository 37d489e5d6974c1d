#include "FreedesktopPaths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include "core/fs/FsLook.h"
#include "core/fs/RegularFile.h"

namespace {

// File systems with nothing of the user's on them, or that a Trash must not be kept on.
const QSet<QString>& pseudoFileSystems() {
    static const QSet<QString> types{
        "autofs",        "binfmt_misc", "bpf",    "cgroup",     "cgroup2",         "configfs",
        "debugfs",       "devfs",       "devpts", "devtmpfs",   "efivarfs",        "fusectl",
        "hugetlbfs",     "mqueue",      "nfsd",   "nsfs",       "overlay",         "proc",
        "pstore",        "ramfs",       "rootfs", "rpc_pipefs", "securityfs",      "selinuxfs",
        "squashfs",      "sysfs",       "tmpfs",  "tracefs",    "fuse.gvfsd-fuse", "fuse.portal",
        "fuse.snapfuse", "fuse.lxcfs",  "usbfs",  "ecryptfs"};
    return types;
}

const QSet<QString>& systemMountPoints() {
    static const QSet<QString> points{
        "/",    "/bin",     "/boot",    "/boot/efi", "/dev",      "/etc",  "/home",
        "/lib", "/lib64",   "/media",   "/mnt",      "/opt",      "/proc", "/root",
        "/run", "/sbin",    "/srv",     "/sys",      "/tmp",      "/usr",  "/usr/local",
        "/var", "/var/log", "/var/tmp", "/var/mail", "/var/cache"};
    return points;
}

bool underSystemFolder(const QString& mountPoint) {
    static const char* const prefixes[] = {"/proc/", "/sys/",     "/dev/",     "/boot/",
                                           "/snap/", "/var/lib/", "/var/snap/"};
    for (const char* prefix : prefixes)
        if (mountPoint.startsWith(QLatin1String(prefix))) return true;
    // Everything under /run is the system's, except where removable media appear.
    return mountPoint.startsWith(QLatin1String("/run/")) &&
           !mountPoint.startsWith(QLatin1String("/run/media/"));
}

// Mount points escape space, tab, newline and backslash as three octal digits.
QString unescapeMountField(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && value < 256) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QFile::decodeName(out);
}

QString homeOf(const QString& login, uint uid) {
    struct passwd pwd;
    struct passwd* result = nullptr;
    char buffer[4096];
    if (getpwuid_r(uid, &pwd, buffer, sizeof buffer, &result) == 0 && result && result->pw_dir &&
        *result->pw_dir)
        return QFile::decodeName(result->pw_dir);
    return QStringLiteral("/home/") + login;
}

QString absoluteOr(const QString& value, const QString& fallback) {
    return !value.isEmpty() && QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : fallback;
}

}  // namespace

FreedesktopPaths::FreedesktopPaths(const QString& root, const QString& login, uint uid,
                                   const Folders& folders)
    : Paths(root, login, uid), m_folders(folders) {}

std::shared_ptr<FreedesktopPaths> FreedesktopPaths::forCurrentUser(const QString& root) {
    const QString login = currentLoginName();
    const uint uid = ::getuid();
    if (normalizedRoot(root) != QLatin1String("/")) return forAccount(root, login, uid);
    Folders folders;
    folders.home = absoluteOr(qEnvironmentVariable("HOME"), homeOf(login, uid));
    folders.dataHome =
        absoluteOr(qEnvironmentVariable("XDG_DATA_HOME"), folders.home + QStringLiteral("/.local/share"));
    folders.configHome =
        absoluteOr(qEnvironmentVariable("XDG_CONFIG_HOME"), folders.home + QStringLiteral("/.config"));
    return std::make_shared<FreedesktopPaths>(root, login, uid, folders);
}

std::shared_ptr<FreedesktopPaths> FreedesktopPaths::forAccount(const QString& root, const QString& login,
                                                               uint uid) {
    Folders folders;
    const QString sandbox = normalizedRoot(root);
    folders.home =
        sandbox == QLatin1String("/") ? homeOf(login, uid) : sandbox + QStringLiteral("/home/") + login;
    folders.dataHome = folders.home + QStringLiteral("/.local/share");
    folders.configHome = folders.home + QStringLiteral("/.config");
    return std::make_shared<FreedesktopPaths>(root, login, uid, folders);
}

QString FreedesktopPaths::userTrashFolder() const {
    return m_folders.dataHome + QStringLiteral("/Trash");
}
QString FreedesktopPaths::userTrash() const {
    return userTrashFolder() + QStringLiteral("/files");
}
QString FreedesktopPaths::trashRecordsFile() const {
    return userTrashFolder() + QStringLiteral("/info");
}

QString FreedesktopPaths::userDir(const char* key, const QString& fallback) const {
    if (const auto text =
            RegularFile::read(m_folders.configHome + QStringLiteral("/user-dirs.dirs"), 1 << 20)) {
        const QString named = dirFromUserDirs(*text, key, m_folders.home);
        // A sandbox's file names folders of the sandbox's own layout.
        if (!named.isEmpty()) return named.startsWith(m_folders.home) ? named : inRoot(named);
    }
    return m_folders.home + QLatin1Char('/') + fallback;
}

QString FreedesktopPaths::userDesktop() const {
    const QString desktop = QDir::cleanPath(userDir("XDG_DESKTOP_DIR", QStringLiteral("Desktop")));
    // xdg-user-dirs writes "$HOME/" when the Desktop folder is gone: the home is no Desktop, nor is
    // "/" (the root of a sandbox) or any folder that holds the home.
    const QString home = QDir::cleanPath(m_folders.home);
    const QString prefix = desktop == QLatin1String("/") ? desktop : desktop + QLatin1Char('/');
    if (desktop == root() || desktop == home || home.startsWith(prefix)) return {};
    return desktop;
}

QString FreedesktopPaths::desktopFromUserDirs(const QByteArray& text, const QString& home) {
    return dirFromUserDirs(text, "XDG_DESKTOP_DIR", home);
}

QString FreedesktopPaths::dirFromUserDirs(const QByteArray& text, const char* key, const QString& home) {
    const QByteArray prefix = QByteArray(key) + '=';
    QString found;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (!line.startsWith(prefix)) continue;
        QString value = QString::fromUtf8(line.mid(prefix.size()));
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        value.replace(QLatin1String("\\\""), QLatin1String("\""));
        if (value == QLatin1String("$HOME") || value.startsWith(QLatin1String("$HOME/")))
            value = home + value.mid(5);
        else if (!value.startsWith(QLatin1Char('/')))
            continue;
        found = QDir::cleanPath(value);  // the last line wins, as the shell would have it
    }
    return found;
}

QStringList FreedesktopPaths::chromeUserDataFolders() const {
    const QString config = m_folders.configHome;
    const QString home = m_folders.home;
    return {config + QStringLiteral("/google-chrome"),
            config + QStringLiteral("/google-chrome-beta"),
            config + QStringLiteral("/google-chrome-unstable"),
            config + QStringLiteral("/chromium"),
            home + QStringLiteral("/snap/chromium/common/chromium"),
            home + QStringLiteral("/.var/app/com.google.Chrome/config/google-chrome"),
            home + QStringLiteral("/.var/app/org.chromium.Chromium/config/chromium")};
}

QStringList FreedesktopPaths::firefoxProfileFolders() const {
    const QString home = m_folders.home;
    return {home + QStringLiteral("/.mozilla/firefox"),
            m_folders.configHome + QStringLiteral("/mozilla/firefox"),
            home + QStringLiteral("/snap/firefox/common/.mozilla/firefox"),
            home + QStringLiteral("/.var/app/org.mozilla.firefox/.mozilla/firefox")};
}

QString FreedesktopPaths::cookieExportFolder() const {
    return userDir("XDG_DOWNLOAD_DIR", QStringLiteral("Downloads")) + QStringLiteral("/com.Nordquil.Zelmark");
}

QString FreedesktopPaths::documentsFolder() const {
    return userDir("XDG_DOCUMENTS_DIR", QStringLiteral("Documents"));
}

QList<MountEntry> FreedesktopPaths::parseMountInfo(const QByteArray& text) {
    QList<MountEntry> entries;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf(QByteArray("-"));
        // id, parent, device, root, mount point, options, optional fields..., "-", type, source, options
        if (dash < 6 || fields.size() < dash + 3) continue;
        MountEntry entry;
        entry.device = QString::fromLatin1(fields[2]);
        entry.root = unescapeMountField(fields[3]);
        entry.mountPoint = unescapeMountField(fields[4]);
        entry.type = unescapeMountField(fields[dash + 1]);
        entry.source = unescapeMountField(fields[dash + 2]);
        entry.options = QString::fromUtf8(fields[5]);
        if (fields.size() > dash + 3) entry.options += QLatin1Char(',') + QString::fromUtf8(fields[dash + 3]);
        if (!entry.mountPoint.startsWith(QLatin1Char('/'))) continue;
        entries << entry;
    }
    return entries;
}

bool FreedesktopPaths::isSystemMount(const MountEntry& entry) {
    if (pseudoFileSystems().contains(entry.type)) return true;
    if (systemMountPoints().contains(entry.mountPoint) || underSystemFolder(entry.mountPoint)) return true;
    if (entry.source.startsWith(QLatin1String("/dev/loop"))) return true;
    if (entry.root != QLatin1String("/")) return true;  // a bind mount of a folder
    return entry.options.split(QLatin1Char(',')).contains(QLatin1String("x-gvfs-notrash"));
}

QStringList FreedesktopPaths::mountedLocalVolumePaths() const {
    QStringList volumes{root()};
    const bool sandboxed = root() != QLatin1String("/");
    QFile table(sandboxed ? inRoot(QStringLiteral("/proc/self/mountinfo"))
                          : QStringLiteral("/proc/self/mountinfo"));
    // The kernel's file reports no size: read until the end.
    if (!table.open(QIODevice::ReadOnly)) return volumes;
    QSet<QString> devices;
    for (const MountEntry& entry : parseMountInfo(table.readAll())) {
        // The first mount of a device wins; later ones show the same files again.
        const bool seen = devices.contains(entry.device);
        devices.insert(entry.device);
        if (seen || isSystemMount(entry)) continue;
        const QString point = sandboxed ? inRoot(entry.mountPoint) : entry.mountPoint;
        if (!volumes.contains(point)) volumes << point;
    }
    return volumes;
}

bool FreedesktopPaths::isOwnedFolder(const QString& path, uint uid) {
    const std::optional<struct stat> st = FsLook::at(path);
    return st && S_ISDIR(st->st_mode) && st->st_uid == uid;
}

QStringList FreedesktopPaths::volumeTrashFolders(const QString& volume) const {
    QStringList folders;
    const QString top = volume.endsWith(QLatin1Char('/')) ? volume.chopped(1) : volume;
    const QString id = QString::number(uid());
    // "$topdir/.Trash" is shared: only a real folder with the sticky bit keeps others out of ours.
    const QString shared = top + QStringLiteral("/.Trash");
    const std::optional<struct stat> st = FsLook::at(shared);
    if (st && S_ISDIR(st->st_mode) && (st->st_mode & S_ISVTX)) {
        const QString mine = shared + QLatin1Char('/') + id;
        if (isOwnedFolder(mine, uid())) folders << mine + QStringLiteral("/files");
    }
    const QString own = top + QStringLiteral("/.Trash-") + id;
    if (isOwnedFolder(own, uid())) folders << own + QStringLiteral("/files");
    return folders;
}

QString FreedesktopPaths::onStartupVolume(const QString& relative) const {
    return inRoot(relative.startsWith(QLatin1Char('/')) ? relative : QLatin1Char('/') + relative);
}
