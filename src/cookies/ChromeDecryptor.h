#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

/// Chrome's cookie values on Linux: AES-128-CBC with a key from PBKDF2-HMAC-SHA1(password,
/// "saltysalt", 1 iteration, 16 bytes) and an IV of 16 spaces, PKCS#7 padding. "v10" values use the
/// fixed password "peanuts"; "v11" values the password the browser keeps in the desktop's secret
/// service, asked once per decryptor and only when such a value is met. From the database's meta
/// version 24 on, the plain text starts with the SHA-256 of the cookie's host: it must match the
/// host (a wrong key passes the padding check about once in 256 values) and is dropped.
class ChromeDecryptor {
  public:
    /// `databasePath` says which browser's password to ask for first (Chromium's or Chrome's).
    explicit ChromeDecryptor(const QString& databasePath = QString());
    ~ChromeDecryptor();
    ChromeDecryptor(const ChromeDecryptor&) = delete;
    ChromeDecryptor& operator=(const ChromeDecryptor&) = delete;

    /// The plain value, or nothing when the bytes are not a value that decrypts for `host` (the
    /// row's host_key).
    std::optional<QByteArray> decrypt(const QByteArray& encrypted, int metaVersion,
                                      QByteArrayView host) const;

    /// The key made from a password (16 bytes).
    static QByteArray keyFor(const QByteArray& password);
    /// The fixed "v10" key.
    static QByteArray v10Key() { return keyFor("peanuts"); }

  private:
    void* newContext(const QByteArray& key) const;
    std::optional<QByteArray> decryptWith(void* context, QByteArrayView body, int metaVersion,
                                          QByteArrayView host) const;
    void askSecretService() const;

    QStringList m_applications;  ///< whose password to ask for, in order
    void* m_v10;                 ///< one cipher context per key, reused for every value
    mutable QList<void*> m_v11;
    mutable bool m_asked = false;
};
