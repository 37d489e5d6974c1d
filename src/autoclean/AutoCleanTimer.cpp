#include "AutoCleanTimer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/Localized.h"
#include "platform/Paths.h"
#include "platform/Tasks.h"

namespace {

// One argument of an ExecStart line: quoted, with the characters systemd gives a meaning escaped.
QString unitArgument(const QString& text) {
    QString quoted;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            quoted += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');  // "%%": a specifier otherwise
        else if (c == QLatin1Char('$'))
            quoted += QLatin1Char('$');  // "$$": a variable otherwise
        quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool writeUnit(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(text.toUtf8());
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    return file.commit();
}

bool removeUnit(const QString& path) {
    return !QFileInfo::exists(path) && !QFileInfo(path).isSymLink() ? true : QFile::remove(path);
}

}  // namespace

AutoCleanTimer::AutoCleanTimer(QString unitFolder, std::shared_ptr<Tasks> tasks)
    : m_folder(std::move(unitFolder)), m_tasks(std::move(tasks)) {}

QString AutoCleanTimer::unitFolderFor(const Paths& paths) {
    QString config;
    if (paths.root() != QLatin1String("/")) {
        config = paths.userHome() + QStringLiteral("/.config");
    } else {
        config = qEnvironmentVariable("XDG_CONFIG_HOME");
        if (config.isEmpty() || !QDir::isAbsolutePath(config))
            config = QDir::homePath() + QStringLiteral("/.config");
    }
    return config + QStringLiteral("/systemd/user");
}

QString AutoCleanTimer::servicePath() const {
    return m_folder + QLatin1Char('/') + QLatin1String(ServiceName);
}

QString AutoCleanTimer::timerPath() const {
    return m_folder + QLatin1Char('/') + QLatin1String(TimerName);
}

QString AutoCleanTimer::serviceText(const QString& program) {
    if (program.contains(QLatin1Char('\n')) || program.contains(QLatin1Char('\r'))) return QString();
    return QStringLiteral(
               "[Unit]\n"
               "Description=Corvane auto-clean check of the Trash\n"
               "\n"
               "[Service]\n"
               "Type=oneshot\n"
               "ExecStart=%1 --yes autoclean check\n")
        .arg(unitArgument(program));
}

QString AutoCleanTimer::timerText() {
    return QStringLiteral(
        "[Unit]\n"
        "Description=Daily Corvane auto-clean check of the Trash\n"
        "\n"
        "[Timer]\n"
        "OnCalendar=daily\n"
        "Persistent=true\n"
        "\n"
        "[Install]\n"
        "WantedBy=timers.target\n");
}

bool AutoCleanTimer::isInstalled() const {
    return QFileInfo(servicePath()).isFile() && QFileInfo(timerPath()).isFile();
}

bool AutoCleanTimer::systemctl(const QStringList& arguments) const {
    if (!m_tasks) return false;
    const TaskResult result =
        m_tasks->run(QStringLiteral("systemctl"), QStringList{QStringLiteral("--user")} + arguments);
    return result.finished() && result.exitCode == 0;
}

AutoCleanTimer::Result AutoCleanTimer::install(const QString& program) {
    Result result;
    const QString service = serviceText(program);
    if (!QDir::isAbsolutePath(program) || service.isEmpty()) {
        result.message = localized("the program's path can't be written in a unit file: %1").arg(program);
        return result;
    }
    if (!QDir().mkpath(m_folder) || !writeUnit(servicePath(), service) ||
        !writeUnit(timerPath(), timerText())) {
        result.message = localized("could not write the timer's files in %1").arg(m_folder);
        return result;
    }
    result.files = true;
    const bool enabled =
        systemctl({QStringLiteral("daemon-reload")}) &&
        systemctl({QStringLiteral("enable"), QStringLiteral("--now"), QLatin1String(TimerName)});
    result.ok = enabled;
    result.message =
        enabled ? localized("the daily auto-clean timer is installed and enabled: %1").arg(timerPath())
                : localized(
                      "the timer's files are written, but systemctl could not enable it; "
                      "run: systemctl --user daemon-reload && systemctl --user enable --now %1")
                      .arg(QLatin1String(TimerName));
    return result;
}

AutoCleanTimer::Result AutoCleanTimer::remove() {
    Result result;
    if (!QFileInfo::exists(timerPath()) && !QFileInfo::exists(servicePath())) {
        result.ok = result.files = true;
        result.message = localized("no auto-clean timer is installed");
        return result;
    }
    // Disabled first, while systemd still knows the unit; a failure here does not keep the files.
    const bool disabled =
        systemctl({QStringLiteral("disable"), QStringLiteral("--now"), QLatin1String(TimerName)});
    result.files = removeUnit(timerPath()) && removeUnit(servicePath());
    if (!result.files) {
        result.message = localized("could not delete the timer's files in %1").arg(m_folder);
        return result;
    }
    const bool reloaded = systemctl({QStringLiteral("daemon-reload")});
    result.ok = disabled && reloaded;
    result.message = result.ok ? localized("the daily auto-clean timer is removed")
                               : localized(
                                     "the timer's files are deleted, but systemctl could not be reached; "
                                     "run: systemctl --user daemon-reload");
    return result;
}
