#include "SecureEraser.h"

#include "platform/SystemCommands.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

enum class Kind { Missing, Folder, Other };

Kind kindOf(const QString& path) {
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return Kind::Missing;
    return S_ISDIR(st.st_mode) ? Kind::Folder : Kind::Other;  // a link to a folder is not a folder here
}

}  // namespace

QString SecureEraser::listText(const QStringList& paths) {
    QString text;
    for (const QString& path : paths) text = text + QStringLiteral(" \n ") + path;
    return text;
}

void SecureEraser::EraseFileDirectoryPath(const QString& folder) const {
    const QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        switch (kindOf(path)) {
        case Kind::Missing: break;
        case Kind::Folder: EraseFileDirectoryPath(path); break;
        case Kind::Other: m_commands->secureRemove(path); break;
        }
    }
}

void SecureEraser::eraseItems(const QStringList& paths) const {
    for (const QString& path : paths) {
        switch (kindOf(path)) {
        case Kind::Missing: continue;
        case Kind::Folder: EraseFileDirectoryPath(path); break;
        case Kind::Other: m_commands->secureRemove(path); break;
        }
        m_commands->removeTree(path);
    }
}
