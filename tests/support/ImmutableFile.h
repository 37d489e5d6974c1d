#pragma once

#include <QString>
#include <utility>

#include "support/HostileFs.h"

/// The immutable flag on a file, cleared again however the test ends so that its folder can go.
/// Where the flag can't be set (no rights, or a file system without flags), isSet() says so.
class ImmutableWhileAlive {
  public:
    explicit ImmutableWhileAlive(QString path)
        : m_path(std::move(path)), m_set(HostileFs::setImmutable(m_path, true)) {}
    ~ImmutableWhileAlive() {
        if (m_set) HostileFs::setImmutable(m_path, false);
    }
    ImmutableWhileAlive(const ImmutableWhileAlive&) = delete;
    ImmutableWhileAlive& operator=(const ImmutableWhileAlive&) = delete;
    bool isSet() const { return m_set; }

  private:
    QString m_path;
    bool m_set;
};
