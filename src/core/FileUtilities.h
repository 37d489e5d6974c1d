#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

/// Size and access texts shared by the trash browser, the forced emptying, the auto-clean and the
/// desktop tidy. The texts are compared by other parts of the program, so each must come out
/// exactly as built here. Sizes by path are measured by ItemSizes, which knows the layout.
class FileUtilities {
  public:
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
    /// The modification time of the item itself (not following a final link); invalid when it
    /// can't be read.
    static QDateTime modificationDate(const QString& path);
    /// Bytes from du's output: the leading number of the first space-separated piece, in
    /// kilobytes, times 1024. Works on the raw bytes, so a path du echoes in any encoding is fine.
    static quint64 parseDuOutput(const QByteArray& output);
};
