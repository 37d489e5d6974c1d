#include "ChromeDecryptor.h"

#include <openssl/evp.h>

namespace {
const char kPassword[] = "peanuts";
const char kSalt[] = "saltysalt";
constexpr int kHostHashLength = 32;
constexpr int kHostHashFromVersion = 24;
}  // namespace

QByteArray ChromeDecryptor::v10Key() {
    QByteArray key(16, '\0');
    PKCS5_PBKDF2_HMAC_SHA1(kPassword, int(sizeof kPassword - 1),
                           reinterpret_cast<const unsigned char*>(kSalt), int(sizeof kSalt - 1), 1,
                           int(key.size()), reinterpret_cast<unsigned char*>(key.data()));
    return key;
}

ChromeDecryptor::ChromeDecryptor() : m_key(v10Key()), m_context(EVP_CIPHER_CTX_new()) {
    // The key schedule is made once; each value only sets the IV again.
    auto* ctx = static_cast<EVP_CIPHER_CTX*>(m_context);
    if (ctx && EVP_DecryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr,
                                  reinterpret_cast<const unsigned char*>(m_key.constData()), nullptr) != 1) {
        EVP_CIPHER_CTX_free(ctx);
        m_context = nullptr;
    }
}

ChromeDecryptor::~ChromeDecryptor() {
    EVP_CIPHER_CTX_free(static_cast<EVP_CIPHER_CTX*>(m_context));
}

std::optional<QByteArray> ChromeDecryptor::decrypt(const QByteArray& encrypted, int metaVersion) const {
    auto* ctx = static_cast<EVP_CIPHER_CTX*>(m_context);
    if (!ctx || !encrypted.startsWith("v10")) return std::nullopt;
    const QByteArrayView body = QByteArrayView(encrypted).sliced(3);
    if (body.isEmpty() || body.size() % 16 != 0) return std::nullopt;
    static const unsigned char iv[16] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                                         ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    if (EVP_DecryptInit_ex(ctx, nullptr, nullptr, nullptr, iv) != 1) return std::nullopt;
    QByteArray plain(body.size() + 16, Qt::Uninitialized);
    int written = 0;
    int last = 0;
    auto* out = reinterpret_cast<unsigned char*>(plain.data());
    if (EVP_DecryptUpdate(ctx, out, &written, reinterpret_cast<const unsigned char*>(body.constData()),
                          int(body.size())) != 1 ||
        EVP_DecryptFinal_ex(ctx, out + written, &last) != 1)
        return std::nullopt;  // the padding did not check out: another key made these bytes
    plain.truncate(written + last);
    if (metaVersion >= kHostHashFromVersion) {
        if (plain.size() < kHostHashLength) return std::nullopt;
        plain.remove(0, kHostHashLength);
    }
    return plain;
}
