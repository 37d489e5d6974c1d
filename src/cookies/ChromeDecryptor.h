#pragma once

#include <QByteArray>
#include <optional>

/// Chrome's "v10" cookie values on Linux: AES-128-CBC with the key PBKDF2-HMAC-SHA1("peanuts",
/// "saltysalt", 1 iteration, 16 bytes) and an IV of 16 spaces, PKCS#7 padding. From the database's
/// meta version 24 on, the plain text starts with the SHA-256 of the cookie's host, which is
/// dropped. Other prefixes ("v11" needs the desktop's secret service) are not decrypted here.
class ChromeDecryptor {
  public:
    ChromeDecryptor();
    ~ChromeDecryptor();
    ChromeDecryptor(const ChromeDecryptor&) = delete;
    ChromeDecryptor& operator=(const ChromeDecryptor&) = delete;

    /// The plain value, or nothing when the bytes are not a "v10" value that decrypts.
    std::optional<QByteArray> decrypt(const QByteArray& encrypted, int metaVersion) const;

    /// The fixed key (16 bytes).
    static QByteArray v10Key();

  private:
    QByteArray m_key;
    void* m_context;  ///< one cipher context, reused for every value
};
