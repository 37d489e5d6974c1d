#pragma once

#include <QByteArray>
#include <QtGlobal>

/// Sets (or, given a null value, removes) one environment variable for as long as it lives, and
/// puts back what was there however the test ends.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_saved(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name)) {
        set(value);
    }
    ~ScopedEnv() {
        if (m_wasSet)
            qputenv(m_name, m_saved);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void set(const QByteArray& value) {
        if (value.isNull())
            qunsetenv(m_name);
        else
            qputenv(m_name, value);
    }

  private:
    const char* m_name;
    QByteArray m_saved;
    bool m_wasSet;
};
