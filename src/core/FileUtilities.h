#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class Paths;
class Tasks;

/// Size and access texts, and sizes of files and folders, shared by the trash browser, the forced
/// emptying, the auto-clean and the desktop tidy. The texts are compared by other parts of the
/// program, so each must come out exactly as built here.
class FileUtilities {
public:
    FileUtilities(std::shared_ptr<const Paths> paths, std::shared_ptr<Tasks> tasks);

    /// Bytes as "%.2f" plus "bytes", "KB", "MB", "GB" or "TB" on a base of 1000, in single
    /// precision; 999999 stays "1000.00KB".
    static QString size_to_unit(quint64 bytes);
    /// The same with one decimal (the popover's variant).
    static QString size_to_unit_1(quint64 bytes);
    /// "%d(%s)": permission bits in decimal and the compact groups, "d" in front for a folder
    /// (not following a final link): "493(drwxrxrx)". Null when the item can't be read.
    static QString getFilePermissionwithPath(const QString& path);
    /// The short form "drwxr-xr-x"; null when the item can't be read.
    static QString getShortFilePermissionwithPath(const QString& path);
    /// The two texts for given mode bits (type and permission bits as in st_mode).
    static QString longPermissionText(uint mode);
    static QString shortPermissionText(uint mode);
    /// Whether anything is at `path`, a dangling link included (the test after a removal).
    static bool somethingAt(const QString& path);
    /// Whether `path` is a folder itself, not a link to one (so work inside it stays there).
    static bool isRealFolder(const QString& path);
    /// The modification time of the item itself (not following a final link); invalid when it
    /// can't be read.
    static QDateTime modificationDate(const QString& path);
    /// Bytes from du's output: the leading number of the first space-separated piece, in
    /// kilobytes, times 1024. Works on the raw bytes, so a path du echoes in any encoding is fine.
    static quint64 parseDuOutput(const QByteArray& output);

    /// A folder's size as du counts it (one du run); anything else its length (not following a
    /// final link). Nothing when it could not be measured: the entry can't be read, or du did not
    /// start or ran past its time limit. Blocks until du has exited or been stopped.
    std::optional<quint64> sizeAtFilePath(const QString& path) const;
    /// The same with 0 for a size that could not be measured, for callers that need a number.
    quint64 fastFolderSizeAtFilePath(const QString& path) const { return sizeAtFilePath(path).value_or(0); }
    /// The size of the user's Trash folder.
    quint64 getTrashFileSize() const;
    /// The layout these utilities measure in.
    std::shared_ptr<const Paths> paths() const { return m_paths; }

private:
    std::shared_ptr<const Paths> m_paths;
    std::shared_ptr<Tasks> m_tasks;
};
