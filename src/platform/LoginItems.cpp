#include "LoginItems.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include "core/fs/RegularFile.h"

LoginItems::LoginItems(const QString& autostartFolder, const QString& programPath)
    : m_folder(autostartFolder.isEmpty() ? standardAutostartFolder() : autostartFolder),
      m_program(programPath) {}

QString LoginItems::standardAutostartFolder() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart");
}

QString LoginItems::entryPath() const {
    return m_folder + QStringLiteral("/corvane.desktop");
}

QString LoginItems::execForProgram(const QString& program) {
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    // The key file escapes backslashes once more, and line breaks, which would end the entry's line
    // and let the rest of a name pass for keys of its own.
    QString value = QLatin1Char('"') + quoted + QLatin1Char('"');
    return value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
}

QString LoginItems::programOfExec(const QString& execValue) {
    // Undo the key file's own escapes first, in one pass, then the Exec quoting.
    const QString value = execValue.trimmed();
    QString exec;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            exec += c;
            continue;
        }
        switch (value.at(++i).unicode()) {
            case 'n':
                exec += QLatin1Char('\n');
                break;
            case 'r':
                exec += QLatin1Char('\r');
                break;
            case 't':
                exec += QLatin1Char('\t');
                break;
            case 's':
                exec += QLatin1Char(' ');
                break;
            case '\\':
                exec += QLatin1Char('\\');
                break;
            default:
                exec += c;
                exec += value.at(i);
        }
    }
    QString program;
    if (exec.startsWith(QLatin1Char('"'))) {
        for (int i = 1; i < exec.size(); ++i) {
            const QChar c = exec.at(i);
            if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                program += exec.at(++i);
            } else if (c == QLatin1Char('"')) {
                break;
            } else {
                program += c;
            }
        }
    } else {
        program = exec.section(QLatin1Char(' '), 0, 0);
    }
    program.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return program;
}

bool LoginItems::addAppAsLoginItem() {
    if (!QDir().mkpath(m_folder)) return false;
    QSaveFile file(entryPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream out(&file);
    out << "[Desktop Entry]\n"
        << "Type=Application\n"
        << "Name=Corvane\n"
        << "Comment=Trash and clutter utility\n"
        << "Exec=" << execForProgram(m_program) << "\n"
        << "Icon=corvane\n"
        << "X-GNOME-Autostart-enabled=true\n";
    out.flush();
    return file.commit();
}

static QString execLineOf(const QString& desktopFile) {
    const QByteArray text = RegularFile::read(desktopFile, 1 << 20).value_or(QByteArray());
    bool inEntry = false;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
        } else if (inEntry && line.startsWith(QLatin1String("Exec"))) {
            const int eq = line.indexOf(QLatin1Char('='));
            if (eq > 0 && line.left(eq).trimmed() == QLatin1String("Exec")) return line.mid(eq + 1);
        }
    }
    return QString();
}

QStringList LoginItems::entriesForProgram() const {
    QStringList found;
    const QFileInfo self(m_program);
    const QString selfPath =
        self.canonicalFilePath().isEmpty() ? self.absoluteFilePath() : self.canonicalFilePath();
    const QDir dir(m_folder);
    const auto entries = dir.entryInfoList({QStringLiteral("*.desktop")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        const QString program = programOfExec(execLineOf(entry.absoluteFilePath()));
        if (program.isEmpty()) continue;
        const QFileInfo target(program);
        const QString targetPath =
            target.canonicalFilePath().isEmpty() ? target.absoluteFilePath() : target.canonicalFilePath();
        if (targetPath == selfPath) found << entry.absoluteFilePath();
    }
    return found;
}

void LoginItems::deleteAppFromLoginItem() {
    const QStringList entries = entriesForProgram();
    for (const QString& entry : entries) QFile::remove(entry);
}
