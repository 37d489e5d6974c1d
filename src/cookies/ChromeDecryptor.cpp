#include "ChromeDecryptor.h"

#include <openssl/evp.h>

#include <cstring>

#include "SafeStorage.h"

namespace {
const char kSalt[] = "saltysalt";
constexpr int kHostHashLength = 32;
constexpr int kHostHashFromVersion = 24;
}  // namespace

QByteArray ChromeDecryptor::keyFor(const QByteArray& password) {
    QByteArray key(16, '\0');
    PKCS5_PBKDF2_HMAC_SHA1(password.constData(), int(password.size()),
                           reinterpret_cast<const unsigned char*>(kSalt), int(sizeof kSalt - 1), 1,
                           int(key.size()), reinterpret_cast<unsigned char*>(key.data()));
    return key;
}

ChromeDecryptor::ChromeDecryptor(const QString& databasePath)
    : m_applications(databasePath.contains(QLatin1String("chromium"), Qt::CaseInsensitive)
                         ? QStringList{QStringLiteral("chromium"), QStringLiteral("chrome")}
                         : QStringList{QStringLiteral("chrome"), QStringLiteral("chromium")}),
      m_v10(newContext(v10Key())) {}

ChromeDecryptor::~ChromeDecryptor() {
    EVP_CIPHER_CTX_free(static_cast<EVP_CIPHER_CTX*>(m_v10));
    for (void* context : m_v11) EVP_CIPHER_CTX_free(static_cast<EVP_CIPHER_CTX*>(context));
}

void* ChromeDecryptor::newContext(const QByteArray& key) const {
    // The key schedule is made once; each value only sets the IV again.
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    if (ctx && EVP_DecryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr,
                                  reinterpret_cast<const unsigned char*>(key.constData()), nullptr) != 1) {
        EVP_CIPHER_CTX_free(ctx);
        return nullptr;
    }
    return ctx;
}

void ChromeDecryptor::askSecretService() const {
    m_asked = true;
    for (const QString& application : m_applications)
        if (const auto password = SafeStorage::password(application))
            if (void* context = newContext(keyFor(*password))) m_v11 << context;
}

std::optional<QByteArray> ChromeDecryptor::decrypt(const QByteArray& encrypted, int metaVersion,
                                                   QByteArrayView host) const {
    const QByteArrayView body = QByteArrayView(encrypted).sliced(std::min<qsizetype>(3, encrypted.size()));
    if (encrypted.startsWith("v10")) return decryptWith(m_v10, body, metaVersion, host);
    if (!encrypted.startsWith("v11")) return std::nullopt;
    if (!m_asked) askSecretService();
    // Chrome's and Chromium's passwords may both be stored; the padding (and the host's hash) tells
    // which key fits.
    for (void* context : m_v11)
        if (auto plain = decryptWith(context, body, metaVersion, host)) return plain;
    return std::nullopt;
}

std::optional<QByteArray> ChromeDecryptor::decryptWith(void* context, QByteArrayView body, int metaVersion,
                                                       QByteArrayView host) const {
    auto* ctx = static_cast<EVP_CIPHER_CTX*>(context);
    if (!ctx || body.isEmpty() || body.size() % 16 != 0) return std::nullopt;
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
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        if (plain.size() < kHostHashLength ||
            EVP_Digest(host.data(), size_t(host.size()), digest, &length, EVP_sha256(), nullptr) != 1 ||
            int(length) != kHostHashLength || std::memcmp(plain.constData(), digest, kHostHashLength) != 0)
            return std::nullopt;  // garbage that happened to end in valid padding
        plain.remove(0, kHostHashLength);
    }
    return plain;
}
