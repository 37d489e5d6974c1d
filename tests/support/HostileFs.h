#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <thread>

/// Tools for tests that play a hostile environment against the file layer.
namespace HostileFs {

/// Swaps two entries of one folder (a real folder and a link, say) with renameat2(RENAME_EXCHANGE)
/// in a loop on a thread of its own, from construction until destruction.
class Swapper {
  public:
    Swapper(const QString& a, const QString& b);
    ~Swapper();
    Swapper(const Swapper&) = delete;
    Swapper& operator=(const Swapper&) = delete;
    /// How many exchanges succeeded so far.
    int swaps() const { return m_swaps.load(); }

  private:
    std::atomic_bool m_stop{false};
    std::atomic_int m_swaps{0};
    std::thread m_thread;
};

/// A digest of everything below `path` as lstat and read() see it, links never followed: names,
/// kinds, modes, link texts, file contents, and (where the file system has them) locked flags.
QByteArray treeDigest(const QString& path);
/// The raw names in an opened folder, without "." and "..", read independently of the file layer.
QList<QByteArray> rawNamesAt(int folder);

/// Writes a file whose name is the raw bytes `name` in `folder` (lossless text); false when it can't.
bool writeRaw(const QString& folder, const QByteArray& name, const QByteArray& content);
/// Whether an entry with the raw name exists in `folder` (Qt can't see names that are not UTF-8).
bool hasRaw(const QString& folder, const QByteArray& name);

/// Makes a chain of `depth` folders named `step` below `folder`, ending in a file "leaf" with
/// `content`, through descriptors (the path grows past PATH_MAX). False when it can't.
bool makeDeepChain(const QString& folder, const QByteArray& step, int depth, const QByteArray& content);

/// Sets the immutable flag on a file; false where the file system or the rights don't allow it.
bool setImmutable(const QString& path, bool on);

}  // namespace HostileFs
