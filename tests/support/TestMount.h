#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

/// A second file system for a test, mounted for the guard's life and detached again whatever the
/// test's outcome: a bind mount (a folder on a folder, a file on a file) or a small tmpfs. Where
/// mounting is refused, why() says so and the test skips.
class TestMount {
  public:
    /// `source` bind-mounted on `target`.
    static std::unique_ptr<TestMount> bind(const QString& source, const QString& target);
    /// A 64 MB tmpfs on `target`, read only when asked.
    static std::unique_ptr<TestMount> tmpfs(const QString& target, bool readOnly = false);

    ~TestMount();
    TestMount(const TestMount&) = delete;
    TestMount& operator=(const TestMount&) = delete;
    bool isMounted() const { return m_mounted; }
    QString why() const { return m_why; }

  private:
    TestMount(const QByteArray& source, const QString& target, const char* type, unsigned long flags,
              const char* data, const QString& what);

    QByteArray m_target;
    bool m_mounted = false;
    QString m_why;
};
