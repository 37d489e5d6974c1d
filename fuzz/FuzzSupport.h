#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <cstdio>
#include <cstdlib>

/// A broken promise of the code under test: reported and turned into a crash the fuzzer keeps.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

namespace FuzzSupport {

inline QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

/// A folder of this process for inputs that must be files: in memory (/dev/shm) where it can be,
/// so writing one per input costs little. It is removed when the process ends normally.
inline QString scratchFolder() {
    // Kept for the whole run (never destroyed), so the clean-up at exit can still read it.
    static const QString* folder = [] {
        QByteArray pattern = QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QByteArray("/dev/shm/corvane-fuzz-XXXXXX")
                                 : QDir::tempPath().toUtf8() + "/corvane-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) std::abort();
        auto* path = new QString(QString::fromUtf8(pattern));
        std::atexit([] { QDir(*folder).removeRecursively(); });
        return path;
    }();
    return *folder;
}

}  // namespace FuzzSupport
