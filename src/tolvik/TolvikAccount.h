#pragma once

#include <QString>

#include <optional>

/// Whom Tolvik acts for. Started by pkexec it runs as root and the user is the one PKEXEC_UID
/// names; started directly it is the user who runs it.
class TolvikAccount {
public:
    /// From the environment: PKEXEC_UID when it is set at all.
    static TolvikAccount fromEnvironment();
    /// `pkexecUid` is PKEXEC_UID's value, or nothing when the variable is not set. A value that is
    /// empty, not a decimal number or an unknown user id gives a refusal, never root's account.
    static TolvikAccount resolve(const std::optional<QString>& pkexecUid);

    bool isUsable() const { return !m_login.isEmpty(); }
    QString loginName() const { return m_login; }
    uint uid() const { return m_uid; }
    /// Why Tolvik will not run, when it is not usable.
    QString refusal() const { return m_refusal; }

private:
    QString m_login;
    QString m_refusal;
    uint m_uid = 0;
};
