// A browser cookie database: the input is written as the database file and read by both readers,
// through SQLite as the program does.
#include <QFile>

#include "FuzzSupport.h"
#include "cookies/CookieDatabase.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A locked or unreadable file is copied into a temporary folder: keep those in memory too.
    qputenv("TMPDIR", FuzzSupport::scratchFolder().toUtf8());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = FuzzSupport::scratchFolder() + QStringLiteral("/Cookies");
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) QFile::remove(path + QLatin1String(suffix));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    file.close();
    const CookieDatabase::Result chrome = CookieDatabase::ReadCookDatabaseFileWithPath(path);
    const CookieDatabase::Result firefox = CookieDatabase::ReadFirefoxCookDatabaseFileWithPath(path);
    // Each reader takes only its own kind.
    FUZZ_CHECK(chrome.cookies.isEmpty() || chrome.kind == CookieDatabase::Kind::Chrome);
    FUZZ_CHECK(firefox.cookies.isEmpty() || firefox.kind == CookieDatabase::Kind::Firefox);
    FUZZ_CHECK(!chrome.opened || !firefox.opened || chrome.kind == firefox.kind);
    // Reading never changes the file.
    FUZZ_CHECK(QFileInfo(path).size() == qint64(size));
    return 0;
}
