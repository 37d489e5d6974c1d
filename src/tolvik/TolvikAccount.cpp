#include "TolvikAccount.h"

#include "platform/Localized.h"
#include "platform/Paths.h"

#include <unistd.h>

TolvikAccount TolvikAccount::fromEnvironment() {
    if (!qEnvironmentVariableIsSet("PKEXEC_UID")) return resolve(std::nullopt);
    return resolve(qEnvironmentVariable("PKEXEC_UID"));
}

TolvikAccount TolvikAccount::resolve(const std::optional<QString>& pkexecUid) {
    TolvikAccount account;
    if (!pkexecUid) {
        account.m_login = Paths::currentLoginName();
        account.m_uid = ::getuid();
        return account;
    }
    const QString& value = *pkexecUid;
    bool digitsOnly = !value.isEmpty();
    for (const QChar c : value) digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    bool fits = false;
    const uint uid = digitsOnly ? value.toUInt(&fits) : 0;
    if (!fits) {
        account.m_refusal = localized("PKEXEC_UID \"%1\" is not a user id; nothing was changed.").arg(value);
        return account;
    }
    account.m_login = Paths::loginNameForUid(uid);
    account.m_uid = uid;
    if (account.m_login.isEmpty())
        account.m_refusal = localized("PKEXEC_UID %1 names no user of this system; nothing was changed.").arg(uid);
    return account;
}
