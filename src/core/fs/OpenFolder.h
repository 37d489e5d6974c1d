#pragma once

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/types.h>

#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "FsName.h"

/// One entry of an opened folder: its raw name and what one lstat of it said.
struct FsEntry {
    QByteArray name;
    struct stat st {};

    QString text() const { return FsName::fromBytes(name); }
    bool isFolder() const { return S_ISDIR(st.st_mode); }
    bool isLink() const { return S_ISLNK(st.st_mode); }
};

/// Who may own the folders on the way to a folder that must belong to a user: root or the user,
/// and writable by no one else, unless the sticky bit keeps others from replacing what is not
/// theirs. Group write counts as someone else's write, except for the user's own private group
/// (a group of the user's name whose only member is the user, as many systems give each account).
struct OwnerRule {
    bool check = false;              ///< off: only links are refused
    uid_t uid = 0;                   ///< besides root, the one owner allowed
    gid_t privateGroup = gid_t(-1);  ///< the user's private group, if there is one
    static OwnerRule none() { return {}; }
    static OwnerRule ownedBy(uid_t uid);
    /// Whether a folder with these attributes passes the rule.
    bool allows(const struct stat& st) const;
};

/// A folder held by a descriptor. Everything below it is reached relative to that descriptor, so
/// a folder renamed or swapped for a link after it was opened never redirects the work. Move-only.
class OpenFolder {
  public:
    OpenFolder() = default;
    ~OpenFolder();
    OpenFolder(OpenFolder&& other) noexcept;
    OpenFolder& operator=(OpenFolder&& other) noexcept;
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    /// Opens an absolute path from "/" one step at a time, never following a link, except within the
    /// system's own part of the path (see setSystemPart()) a link that only the administrator could
    /// have made (owned by root, in a folder of root's that no one else may write). With `owners`, every step
    /// must belong to root or the rule's user and must not be writable by others unless it has the sticky
    /// bit. Not open when any step fails; `why` then says which step and why.
    static OpenFolder open(const QString& path, OwnerRule owners = {}, QString* why = nullptr);
    /// The leading part of paths that the system set up (the user's home as the user database names
    /// it: "/home" may be a link on some systems). Steps below it are the user's and never followed.
    /// Empty (the default, and under a sandbox) means no link is followed anywhere.
    static void setSystemPart(const QString& path);

    /// Opens a folder the user named (a chosen item's folder): links on the way are followed as the
    /// user meant them, once; only the work below it is kept from following links. An empty or
    /// relative path is refused, never resolved against the working folder.
    static OpenFolder openChosen(const QString& path, QString* why = nullptr);
    /// Opens a folder the user named (as openChosen), first making the folders of it that are
    /// missing, one step at a time from the deepest that exists, each made by name in its opened
    /// parent with `mode` (the umask applies). Not open when a step can't be made or opened.
    static OpenFolder makeChosen(const QString& path, mode_t mode = 0777);
    /// Opens the entry `name` of this folder, only when it is a real folder (not a link).
    OpenFolder child(const QByteArray& name, QString* why = nullptr) const;
    OpenFolder child(const QString& name, QString* why = nullptr) const {
        return child(FsName::toBytes(name), why);
    }

    /// The folder that holds this one now (through ".."), for a walk that goes back up without
    /// keeping every level open; the caller checks it is the folder it left. `path` names it.
    OpenFolder parent(const QString& path) const;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    /// The path it was opened by (lossless text), for records and messages.
    QString path() const { return m_path; }
    /// The path of an entry (lossless text).
    QString pathOf(const QByteArray& name) const;
    /// Where the folder really is now, every link on the way resolved (for comparing places);
    /// empty when the system can't say.
    QString realPath() const;
    /// The folder's own attributes.
    std::optional<struct stat> stat() const;
    /// What the file system holding the folder says of its size and free space.
    std::optional<struct statvfs> fileSystem() const;

    /// Every entry but "." and "..", hidden ones included, in the file system's order, with one lstat
    /// each. Entries that vanish while listed are left out. `ok` is false when the folder can't be read.
    QList<FsEntry> entries(bool* ok = nullptr) const;
    /// Only the raw names (no lstat).
    QList<QByteArray> names(bool* ok = nullptr) const;
    /// The raw names of the folder open at descriptor `folder`.
    static QList<QByteArray> namesAt(int folder, bool* ok = nullptr);
    /// The raw names read `sliceSize` at a time, each slice handed to `each` as soon as it is full
    /// (and the rest at the end, possibly empty), so a huge folder's names are never all held.
    /// False when the folder can't be read (some slices may have come).
    bool namesInSlices(qsizetype sliceSize, const std::function<void(QList<QByteArray>&&)>& each) const;
    static bool namesAtInSlices(int folder, qsizetype sliceSize,
                                const std::function<void(QList<QByteArray>&&)>& each);
    /// namesInSlices() with each name's kind as the listing gives it (a dirent's d_type: DT_DIR,
    /// DT_LNK, ...; DT_UNKNOWN where the file system does not say), which costs no lstat.
    bool kindsInSlices(
        qsizetype sliceSize,
        const std::function<void(QList<QByteArray>&&, std::vector<unsigned char>&&)>& each) const;
    static bool kindsAtInSlices(
        int folder, qsizetype sliceSize,
        const std::function<void(QList<QByteArray>&&, std::vector<unsigned char>&&)>& each);
    /// names() in the order of their inode numbers: removing or looking at many entries in that
    /// order reads and writes the file system's inode tables in sequence instead of all over.
    QList<QByteArray> namesByInode(bool* ok = nullptr) const;
    /// lstat of one entry; nothing when it is not there (or can't be seen).
    std::optional<struct stat> entry(const QByteArray& name) const;
    /// stat of what entry `name` leads to, a link followed (for telling a link to a folder from
    /// one to a file); nothing when it leads nowhere.
    std::optional<struct stat> target(const QByteArray& name) const;
    /// statx of one entry (not following a link) asking for its birth and change times; the mask
    /// says which the file system gave. Nothing when it is not there.
    std::optional<struct statx> times(const QByteArray& name) const;
    /// Makes the folder `name` with `mode`; true when this call made it, else `error` (if given)
    /// holds why (EEXIST when something is there already).
    bool makeFolder(const QByteArray& name, mode_t mode, int* error = nullptr) const;
    /// Whether anything is at `name`, a dangling link included.
    bool has(const QByteArray& name) const { return entry(name).has_value(); }

    /// Reads a regular file of this folder (never a link, a FIFO or a device), at most `cap` bytes.
    /// Nothing when it is missing or is not a regular file.
    std::optional<QByteArray> readFile(const QByteArray& name, qint64 cap) const;
    /// The same file read `chunk` bytes at a time (RegularFile::readChunksAt), for a reader that
    /// needs no more than a window of it.
    bool readFileInChunks(const QByteArray& name, qint64 cap, qint64 chunk,
                          const std::function<bool(QByteArrayView)>& each) const;
    /// Replaces (or creates) `name` with `data` through a new file and a rename, never writing
    /// through a link. False when it could not be written whole; the old file then stays.
    bool writeFileReplacing(const QByteArray& name, const QByteArray& data, mode_t mode = 0644) const;
    /// Creates the regular file `name` with `data`, only when nothing is there (never through a
    /// link); true when this call made it whole, else `error` (if given) holds why (EEXIST when the
    /// name is taken). A file that could not be written whole is removed again.
    bool createFile(const QByteArray& name, const QByteArray& data, mode_t mode, int* error = nullptr) const;
    /// Removes one non-folder entry (a link as a link). True when nothing is left at `name`.
    bool unlinkEntry(const QByteArray& name) const;

  private:
    OpenFolder(int fd, QString path) : m_fd(fd), m_path(std::move(path)) {}

    int m_fd = -1;
    QString m_path;
};
