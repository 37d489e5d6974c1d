#include "SandboxBuilder.h"

#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "CookieFixtures.h"
#include "DSStoreWriter.h"
#include "platform/Defaults.h"
#include "trash/TrashInfo.h"

SandboxBuilder::SandboxBuilder(const QString& root, const QString& login)
    : m_root(Paths::normalizedRoot(root)), m_login(login) {
    QDir().mkpath(m_root);
}

QString SandboxBuilder::absolute(const QString& path) const {
    if (path.startsWith(m_root + QLatin1Char('/')) || path == m_root) return path;
    return m_root + (path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path);
}

QString SandboxBuilder::writeFile(const QString& path, const QByteArray& content) const {
    const QString full = absolute(path);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(content);
    return full;
}

QString SandboxBuilder::writeSizedFile(const QString& path, qint64 size) const {
    QByteArray content(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i) content[i] = static_cast<char>('a' + (i * 7 + i / 13) % 26);
    return writeFile(path, content);
}

QString SandboxBuilder::makeFolder(const QString& path) const {
    const QString full = absolute(path);
    QDir().mkpath(full);
    return full;
}

void SandboxBuilder::touch(const QString& path, const QDateTime& when) const {
    struct utimbuf times;
    times.actime = static_cast<time_t>(when.toSecsSinceEpoch());
    times.modtime = times.actime;
    ::utime(QFile::encodeName(absolute(path)).constData(), &times);
}

std::shared_ptr<FreedesktopPaths> SandboxBuilder::linuxPaths() const {
    return FreedesktopPaths::forAccount(m_root, m_login, ::getuid());
}

QString SandboxBuilder::trashItem(const QString& trash, const QString& name, const QString& pathText,
                                  const QByteArray& content, bool folder, const QDateTime& deleted) const {
    const QString item = absolute(trash) + QStringLiteral("/files/") + name;
    if (folder) {
        makeFolder(item);
        writeFile(item + QStringLiteral("/inside.txt"), content);
    } else {
        writeFile(item, content);
    }
    writeFile(absolute(trash) + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"),
              TrashInfo::format(pathText, deleted));
    return item;
}

void SandboxBuilder::writeMountTable(const QStringList& mountPointsOrLines) const {
    QByteArray table =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "23 22 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n";
    int minor = 2;
    for (const QString& entry : mountPointsOrLines) {
        if (entry.contains(QLatin1Char(' '))) {
            table += entry.toUtf8() + '\n';
            continue;
        }
        table += QStringLiteral("%1 22 8:%2 / %3 rw,relatime shared:%1 - ext4 /dev/sda%2 rw\n")
                     .arg(40 + minor)
                     .arg(minor)
                     .arg(entry)
                     .toUtf8();
        ++minor;
    }
    writeFile(QStringLiteral("/proc/self/mountinfo"), table);
}

void SandboxBuilder::buildDemo(const QString& configFolder) const {
    const MacPaths p = paths();
    const QString trash = p.userTrash();
    const QDateTime base(QDate(2026, 11, 20), QTime(9, 30), Qt::UTC);

    writeSizedFile(trash + QStringLiteral("/Quarterly report.pdf"), 184320);
    writeSizedFile(trash + QStringLiteral("/Holiday photos/beach.jpg"), 1250000);
    writeSizedFile(trash + QStringLiteral("/Holiday photos/sunset.jpg"), 980000);
    writeSizedFile(trash + QStringLiteral("/Holiday photos/Edited/sunset-crop.jpg"), 420000);
    writeFile(trash + QStringLiteral("/old-invoice.txt"), "Invoice 2041\nTotal: 129.00\n");
    writeFile(trash + QStringLiteral("/Ünïcode résumé.txt"), "Curriculum vitae\n");
    writeFile(trash + QStringLiteral("/.hidden-notes.txt"), "A hidden note.\n");
    writeSizedFile(trash + QStringLiteral("/Read-only archive/contract-2019.txt"), 5200);
    ::chmod(QFile::encodeName(trash + QStringLiteral("/Read-only archive")).constData(), 0555);
    touch(trash + QStringLiteral("/Quarterly report.pdf"), base);
    touch(trash + QStringLiteral("/old-invoice.txt"), base.addDays(-12));
    touch(trash + QStringLiteral("/Ünïcode résumé.txt"), base.addDays(3));

    writeSizedFile(trash + QStringLiteral("/Poster.psd"), 240000);
    writeFile(trash + QStringLiteral("/plan.txt"), "Project plan, draft 3\n");

    const QString user = QStringLiteral("Users/") + m_login;
    DSStoreWriter records;
    records.add(QStringLiteral("Quarterly report.pdf"), user + QStringLiteral("/Documents/"));
    records.add(QStringLiteral("Holiday photos"), user + QStringLiteral("/Pictures/"));
    records.add(QStringLiteral("old-invoice.txt"), user + QStringLiteral("/Documents/Invoices/"));
    records.add(QStringLiteral("Ünïcode résumé.txt"), user + QStringLiteral("/Desktop/"));
    records.add(QStringLiteral("Read-only archive"), user + QStringLiteral("/Archive/"));
    records.add(QStringLiteral("Poster.psd"), user + QStringLiteral("/Desktop/"));
    records.add(QStringLiteral("plan.txt"), user + QStringLiteral("/Projects/Corvid/"));
    records.write(p.trashRecordsFile());
    writeFile(user + QStringLiteral("/Documents/Quarterly report.pdf"), "a newer report already here\n");

    if (!configFolder.isEmpty()) {
        Defaults settings(configFolder + QStringLiteral("/Corvane/Corvane.conf"));
        settings.setStringArray(QStringLiteral("FileFormatData"), {QStringLiteral("psd")});
        settings.setStringArray(QStringLiteral("FileLocationData"),
                                {p.userHome() + QStringLiteral("/Projects")});
        // The last clean lies a month and a half back, so the monthly auto-clean is due.
        settings.setDate(QStringLiteral("LastCleanDate"), QDateTime::currentDateTimeUtc().addDays(-45));
        settings.setString(QStringLiteral("LastsCleanTrashData"), QStringLiteral("12.35MB"));
        settings.setString(QStringLiteral("PloverlyPath"), p.userHome() + QStringLiteral("/Tidy"));
        settings.synchronize();
    }

    const QString desktop = p.userDesktop();
    writeSizedFile(desktop + QStringLiteral("/Screenshot 2026-12-01.png"), 86000);
    writeFile(desktop + QStringLiteral("/todo.txt"), "- tidy the desktop\n");
    writeSizedFile(desktop + QStringLiteral("/Design drafts/draft-1.psd"), 300000);
    buildDesktopDemo(desktop, p.userHome() + QStringLiteral("/Tidy"));

    const QString usb = p.volumesFolder() + QStringLiteral("/USB");
    writeSizedFile(usb + QStringLiteral("/.Trashes/501/Camera import/IMG_0001.jpg"), 2400000);
    writeFile(usb + QStringLiteral("/.Trashes/501/notes.txt"), "notes from the stick\n");
    writeFile(usb + QStringLiteral("/.Trashes/503/someone-else.txt"), "not ours\n");
    writeFile(usb + QStringLiteral("/Documents/keep.txt"), "kept on the volume\n");

    const QString support = p.userHome() + QStringLiteral("/Library/Application Support");
    writeCookies(p.safariCookieFile(), support + QStringLiteral("/Google/Chrome/Default/Cookies"),
                 support + QStringLiteral("/Firefox"), p.documentsFolder());
}

void SandboxBuilder::writeCookies(const QString& binaryFile, const QString& chromeDatabase,
                                  const QString& firefoxFolder, const QString& documents) const {
    using namespace CookieFixtures;
    if (!binaryFile.isEmpty()) writeFile(binaryFile, binaryFileOf(demoBinaryCookies()));
    writeFile(documents + QStringLiteral("/Cookies.binarycookies"), binaryFileOf(demoBinaryCookies(), 7));
    makeFolder(QFileInfo(chromeDatabase).absolutePath());
    writeChromeDatabase(chromeDatabase, demoChromeCookies());
    writeFile(firefoxFolder + QStringLiteral("/profiles.ini"),
              "[Install4F96D1932A9F858E]\nDefault=Profiles/k3x9.default-release\nLocked=1\n\n"
              "[Profile1]\nName=default\nIsRelative=1\nPath=Profiles/a1b2.default\nDefault=1\n\n"
              "[Profile0]\nName=default-release\nIsRelative=1\nPath=Profiles/k3x9.default-release\n\n"
              "[General]\nStartWithLastProfile=1\nVersion=2\n");
    const QString profile = makeFolder(firefoxFolder + QStringLiteral("/Profiles/k3x9.default-release"));
    writeFirefoxDatabase(profile + QStringLiteral("/cookies.sqlite"), demoFirefoxCookies());
}

void SandboxBuilder::buildLinuxDemo(const QString& configFolder) const {
    const auto p = linuxPaths();
    const QString trash = p->userTrashFolder();
    // Info files name real paths of the account; the layout places them under the root.
    const QString home = QStringLiteral("/home/") + m_login;
    const QDateTime base(QDate(2026, 11, 20), QTime(9, 30));

    writeSizedFile(trashItem(trash, QStringLiteral("Budget 2026.ods"),
                             home + QStringLiteral("/Documents/Budget 2026.ods"), "x", false, base),
                   96000);
    const QString photos =
        trashItem(trash, QStringLiteral("Camera roll"), home + QStringLiteral("/Pictures/Camera roll"),
                  "first", true, base.addDays(1));
    writeSizedFile(photos + QStringLiteral("/IMG_0001.jpg"), 820000);
    writeSizedFile(photos + QStringLiteral("/IMG_0002.jpg"), 760000);
    trashItem(trash, QStringLiteral("notes.txt"), home + QStringLiteral("/Desktop/notes.txt"),
              "Call the bank\n", false, base.addDays(2));
    // The same name deleted twice: the second copy got a name of its own in the Trash.
    trashItem(trash, QStringLiteral("notes.2.txt"), home + QStringLiteral("/Documents/notes.txt"),
              "Older notes\n", false, base.addDays(3));
    trashItem(trash, QStringLiteral(".bashrc.old"), home + QStringLiteral("/.bashrc.old"),
              "alias ll='ls -l'\n", false, base.addDays(4));
    trashItem(trash, QStringLiteral("Ünïcode & spaces #1.txt"),
              home + QStringLiteral("/Downloads/Ünïcode & spaces #1.txt"), "odd characters\n", false,
              base.addDays(5));
    // An item whose info file is gone, and an info file whose item is gone.
    writeFile(trash + QStringLiteral("/files/lost-record.log"), "no info file for this one\n");
    touch(writeFile(trash + QStringLiteral("/info/vanished.txt.trashinfo"),
                    TrashInfo::format(home + QStringLiteral("/vanished.txt"), base)),
          base);

    writeFile(home + QStringLiteral("/.config/user-dirs.dirs"),
              "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
              "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n");
    writeFile(home + QStringLiteral("/Desktop/todo.txt"), "- tidy the desktop\n");
    writeFile(home + QStringLiteral("/Documents/readme.txt"), "Documents folder\n");
    // Downloaded again since it was deleted: putting the Trash's copy back meets a taken place.
    writeFile(home + QStringLiteral("/Downloads/Ünïcode & spaces #1.txt"), "downloaded again\n");
    buildDesktopDemo(p->userHome() + QStringLiteral("/Desktop"), p->userHome() + QStringLiteral("/Tidy"));
    if (!configFolder.isEmpty()) {
        Defaults settings(configFolder + QStringLiteral("/Corvane/Corvane.conf"));
        settings.setString(QStringLiteral("PloverlyPath"), p->userHome() + QStringLiteral("/Tidy"));
        // As in the mac demo: rules that keep an item, and a monthly auto-clean that is due.
        settings.setStringArray(QStringLiteral("FileFormatData"), {QStringLiteral("ods")});
        settings.setStringArray(QStringLiteral("FileLocationData"),
                                {p->userHome() + QStringLiteral("/Projects")});
        settings.setDate(QStringLiteral("LastCleanDate"), QDateTime::currentDateTimeUtc().addDays(-45));
        settings.setString(QStringLiteral("LastsCleanTrashData"), QStringLiteral("12.35MB"));
        settings.synchronize();
    }

    // A USB stick with the user's own volume Trash, paths relative to the stick.
    const QString usb = QStringLiteral("/media/") + m_login + QStringLiteral("/USB");
    writeMountTable({usb});
    const QString usbTrash = usb + QStringLiteral("/.Trash-") + QString::number(p->uid());
    trashItem(usbTrash, QStringLiteral("slides.pdf"), QStringLiteral("talks/slides.pdf"), "slides", false,
              base);
    trashItem(usbTrash, QStringLiteral("Old backups"), QStringLiteral("Old backups"), "backup", true, base);
    // A record on the stick that names a place in the home: put back asks first (or needs --force).
    trashItem(usbTrash, QStringLiteral("startup.desktop"),
              home + QStringLiteral("/.config/autostart/startup.desktop"), "[Desktop Entry]\nExec=true\n",
              false, base.addDays(1));

    // Chrome's current layout keeps the database in "Network"; no binary file has a Linux source.
    writeCookies(QString(), p->userHome() + QStringLiteral("/.config/google-chrome/Default/Network/Cookies"),
                 p->userHome() + QStringLiteral("/.mozilla/firefox"), p->documentsFolder());
}
