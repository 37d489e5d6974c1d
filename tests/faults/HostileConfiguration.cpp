#include "HostileConfiguration.h"

#include <sys/stat.h>

#include "HostileSandbox.h"
#include "core/fs/FsName.h"
#include "platform/Defaults.h"
#include "support/HostileFs.h"

HostileRig::HostileRig() {
    usb = root.path() + "/media/" + login + "/USB";
    usbTrash = usb + "/.Trash-" + QString::number(p->uid());
    b.writeMountTable({"/media/" + login + "/USB"});
    b.makeFolder(usb);
    // The working folder is the home, full of what its owner keeps there.
    b.writeFile(home + "/notes.txt", "canary");
    b.writeFile(home + "/Documents/report.odt", "canary");
    b.writeFile(home + "/Projects/main.c", "canary");
    b.writeFile(home + "/.config/autostart/keep.desktop", "canary");
    desktopDir("\"$HOME/Desktop\"");
    b.writeFile(home + "/Desktop/todo.txt", "desktop item");
    b.makeFolder(home + "/Desktop/Folder");
    trashItem("junk.bin", "/home/" + login + "/junk.bin");
    store = root.path() + "/Tidy/com.Nordquil.ploverly";
    b.writeFile(store + "/stored.txt", "stored");
    configure({{"PloverlyPath", root.path() + "/Tidy"}});
    SandboxBuilder(away.path()).writeFile("precious/data.txt", "not the user's to lose");
}

HostileRig::~HostileRig() {
    mount.reset();
    for (const QString& path : locked) HostileFs::setImmutable(path, false);
}

QStringList HostileRig::scopePaths(unsigned scope) const {
    QStringList out;
    if (scope & Trash) out << trash;
    if (scope & VolumeTrash) out << usbTrash << usb + "/.Trash";
    // What a put back moved is recorded for its undo.
    if (scope & (Trash | VolumeTrash)) out << home + "/.local/state";
    if (scope & Settings) out << home + "/.config/Corvane";
    if (scope & Desktop) out << home + "/Desktop";
    if ((scope & Store) && !store.isEmpty()) out << store;
    if (scope & Autostart) out << home + "/.config/autostart";
    if (scope & Cookies) out << home + "/cookies.sqlite" << home + "/cookies.sqlite-journal";
    if (scope & Chosen) out << home + "/Chosen";
    return out;
}

void HostileRig::configure(const QMap<QString, QVariant>& values) const {
    Defaults d(settingsFile);
    for (auto it = values.begin(); it != values.end(); ++it) d.setObject(it.key(), it.value());
    d.synchronize();
}

void HostileRig::desktopDir(const QByteArray& value) const {
    b.writeFile(home + "/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=" + value + "\n");
}

QString HostileRig::trashItem(const QString& name, const QString& original, bool folder) const {
    return b.trashItem(trash, name, original, "trashed", folder);
}

bool HostileRig::lock(const QString& path) {
    if (!HostileFs::setImmutable(path, true)) return false;
    locked << path;
    return true;
}

HostileRig::Run HostileRig::run(const QString& program, const QStringList& args) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"CORVANE_LAYOUT", "DISPLAY", "WAYLAND_DISPLAY", "PKEXEC_UID"}) env.remove(name);
    env.insert("CORVANE_ROOT", root.path());
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("PKEXEC_UID", QString::number(p->uid()));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(cwd);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, args);
    Run r;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) return r;
    r.status = process.exitCode();
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

HostileRig::Run HostileRig::cli(const QStringList& args) const {
#ifdef CORVANE_CLI_PATH
    return run(QStringLiteral(CORVANE_CLI_PATH), args);
#else
    return run(QString(), args);
#endif
}

Records keptRecords(const QStringList& paths) {
    Records out;
    for (const QString& path : paths) {
        const qsizetype slash = path.lastIndexOf('/');
        const QByteArray leaf = FsName::toBytes(path.mid(slash));
        const Records all = entryRecords(path.left(slash), {}, false);
        out.insert(FsName::toBytes(path), all.value(leaf, "gone"));
        for (auto it = all.begin(); it != all.end(); ++it)
            if (it.key().startsWith(leaf + '/'))
                out.insert(FsName::toBytes(path) + it.key().mid(leaf.size()), it.value());
    }
    return out;
}

QString changes(const Records& before, const Records& after) {
    QStringList lines;
    for (auto it = before.begin(); it != before.end(); ++it)
        if (after.value(it.key()) != it.value())
            lines << QString::fromUtf8(it.key()) + (after.contains(it.key()) ? " changed" : " gone");
    for (auto it = after.begin(); it != after.end(); ++it)
        if (!before.contains(it.key())) lines << QString::fromUtf8(it.key()) + " appeared";
    if (lines.size() > 12) lines = lines.mid(0, 12) << QStringLiteral("…");
    return lines.join('\n');
}
