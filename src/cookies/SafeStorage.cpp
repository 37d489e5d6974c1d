// clang-format off
// libsecret before any Qt header: GLib names struct members "signals", which Qt defines as a macro.
#include <libsecret/secret.h>
#include "SafeStorage.h"
// clang-format on

#include <QMutex>

namespace {

QMutex lookupLock;
SafeStorage::Lookup& replacement() {
    static SafeStorage::Lookup lookup;
    return lookup;
}

std::optional<QByteArray> fromSecretService(const QString& application) {
    // Entries of any schema name carrying the application attribute: the browsers changed the
    // schema name over the years but kept the attribute.
    SecretSchema schema{};
    schema.name = "chrome_libsecret_os_crypt_password_v2";
    schema.flags = SECRET_SCHEMA_DONT_MATCH_NAME;
    schema.attributes[0] = {"application", SECRET_SCHEMA_ATTRIBUTE_STRING};
    GError* error = nullptr;
    const QByteArray app = application.toUtf8();
    gchar* found = secret_password_lookup_sync(&schema, nullptr, &error, "application", app.constData(),
                                               static_cast<const char*>(nullptr));
    if (error) g_error_free(error);
    if (!found) return std::nullopt;
    QByteArray password(found);
    secret_password_free(found);
    return password;
}

}  // namespace

std::optional<QByteArray> SafeStorage::password(const QString& application) {
    Lookup lookup;
    {
        QMutexLocker locker(&lookupLock);
        lookup = replacement();
    }
    return lookup ? lookup(application) : fromSecretService(application);
}

void SafeStorage::setLookup(Lookup lookup) {
    QMutexLocker locker(&lookupLock);
    replacement() = std::move(lookup);
}
