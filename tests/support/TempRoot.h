#pragma once

#include <sys/stat.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

/// A fresh temporary folder per test that can be removed even when a test left read-only folders.
class TempRoot {
  public:
    TempRoot() = default;
    ~TempRoot() {
        QDirIterator it(m_dir.path(), QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) ::chmod(QFile::encodeName(it.next()).constData(), 0755);
        // By bytes: Qt can't see names that are not UTF-8, and would leave them behind.
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(QFile::encodeName(m_dir.path()).toStdString()),
                                    ignored);
    }
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }
    bool isValid() const { return m_dir.isValid(); }

  private:
    QTemporaryDir m_dir;
};

/// The names in `folder`, hidden ones included, sorted: what a test expects to be left there.
inline QStringList sortedEntries(const QString& folder) {
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}
