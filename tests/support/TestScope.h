#pragma once

#include <unistd.h>

#include "core/fs/FsScope.h"

/// Limits for a test's sandbox: the running user, nothing kept.
inline ScopeLimits testLimits() {
    ScopeLimits limits;
    limits.uid = ::getuid();
    return limits;
}

/// The folder `path` as a scope of its own, for tests of the file layer's work inside one.
inline ScopedFolder testScope(const QString& path) {
    return FsScope::trash(path, testLimits()).release();
}
