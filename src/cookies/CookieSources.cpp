#include "CookieSources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QPair>
#include <algorithm>

#include "core/fs/RegularFile.h"
#include "platform/Localized.h"
#include "platform/Paths.h"

namespace CookieSources {
namespace {

struct Section {
    QString name;
    QList<QPair<QString, QString>> values;
    QString value(const char* key) const {
        for (const auto& [k, v] : values)
            if (k == QLatin1String(key)) return v;
        return QString();
    }
};

QList<Section> parseIni(const QByteArray& text) {
    QList<Section> sections;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            sections.append({line.mid(1, line.size() - 2), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || sections.isEmpty()) continue;  // garbage, or a key before any section
        sections.last().values.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
    return sections;
}

bool inside(const QString& path, const QString& folder) {
    return path.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

QString safariCookieFile(const Paths& paths) {
    return paths.safariCookieFile();
}

QStringList chromeProfiles(const QString& userDataFolder) {
    QStringList profiles;
    const QDir dir(userDataFolder);
    if (dir.exists(QStringLiteral("Default"))) profiles << dir.filePath(QStringLiteral("Default"));
    QList<QPair<int, QString>> numbered;
    for (const QString& name :
         dir.entryList({QStringLiteral("Profile *")}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const int n = name.mid(8).toInt(&ok);
        if (ok) numbered.append({n, name});
    }
    std::sort(numbered.begin(), numbered.end());
    for (const auto& [n, name] : numbered) profiles << dir.filePath(name);
    return profiles;
}

QString chromeCookieFile(const Paths& paths) {
    for (const QString& folder : paths.chromeUserDataFolders()) {
        for (const QString& profile : chromeProfiles(folder)) {
            // Chrome 96 moved the database into "Network"; an old copy may be left beside it.
            for (const char* name : {"Network/Cookies", "Cookies"}) {
                const QString file = profile + QLatin1Char('/') + QLatin1String(name);
                if (QFileInfo(file).isFile()) return file;
            }
        }
    }
    return QString();
}

QString profileFromIni(const QByteArray& ini, const QString& folder, const Paths& paths, QString* refused) {
    const QList<Section> sections = parseIni(ini);
    QList<Section> profiles;
    for (const Section& s : sections)
        if (s.name.startsWith(QLatin1String("Profile")) && !s.value("Path").isEmpty()) profiles << s;
    QString chosen;
    bool relative = true;
    for (const Section& s : sections) {
        if (!s.name.startsWith(QLatin1String("Install")) || s.value("Default").isEmpty()) continue;
        chosen = s.value("Default");
        relative = !QDir::isAbsolutePath(chosen);
        break;
    }
    if (chosen.isEmpty()) {
        auto it = std::find_if(profiles.cbegin(), profiles.cend(),
                               [](const Section& s) { return s.value("Default") == QLatin1String("1"); });
        if (it == profiles.cend() && !profiles.isEmpty()) it = profiles.cbegin();
        if (it == profiles.cend()) return QString();
        chosen = it->value("Path");
        // Without "IsRelative" the path's own form decides.
        const QString isRelative = it->value("IsRelative");
        relative = isRelative.isEmpty() ? !QDir::isAbsolutePath(chosen) : isRelative == QLatin1String("1");
    }
    const QString path =
        QDir::cleanPath(relative ? folder + QLatin1Char('/') + chosen : paths.inRoot(chosen));
    // A profile is the user's: one that points out of the home (by "..", a path or a link) is not read.
    const QString home = QDir::cleanPath(paths.userHome());
    const QString real = QFileInfo(path).canonicalFilePath();
    const QString realHome = QFileInfo(home).canonicalFilePath();
    if (!inside(path, home) || (!real.isEmpty() && !realHome.isEmpty() && !inside(real, realHome))) {
        if (refused)
            *refused = localized("The Firefox profile \"%1\" lies outside your home folder; it was not read.")
                           .arg(path);
        return QString();
    }
    return path;
}

QString firefoxCookieFile(const Paths& paths, QString* refused) {
    for (const QString& folder : paths.firefoxProfileFolders()) {
        QString profile;
        if (const auto ini = RegularFile::read(folder + QStringLiteral("/profiles.ini"), 1 << 20)) {
            profile = profileFromIni(*ini, folder, paths, refused);
        } else {
            // Without profiles.ini: the first entry of "Profiles" that is not hidden.
            const QDir dir(folder + QStringLiteral("/Profiles"));
            const QStringList names =
                dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
            const auto it = std::find_if(names.cbegin(), names.cend(),
                                         [](const QString& n) { return !n.startsWith(QLatin1Char('.')); });
            if (it != names.cend()) profile = dir.filePath(*it);
        }
        if (profile.isEmpty()) continue;
        const QString file = profile + QStringLiteral("/cookies.sqlite");
        if (QFileInfo(file).isFile()) return file;
    }
    return QString();
}

}  // namespace CookieSources
