// Writes the seed inputs of the fuzz targets (fuzz/corpus/<target>/) with the tests' builders:
//   corvane-fuzz-seeds fuzz/corpus
// Each file is small on purpose: the fuzzer mutates seeds, and short ones run fastest.
#include <sqlite3.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "support/CookieFixtures.h"
#include "support/DSStoreWriter.h"
#include "support/VersionDocument.h"
#include "trash/TrashInfo.h"

namespace {

QString g_out;
int g_failed = 0;

void seed(const char* target, const char* name, const QByteArray& bytes) {
    const QString folder = g_out + QLatin1Char('/') + QLatin1String(target);
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + QLatin1String(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "can't write %s\n", qPrintable(file.fileName()));
        ++g_failed;
    }
}

// A database written by a fixture, rewritten with the smallest pages so the seed stays short.
QByteArray compactDatabase(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK)
        sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA page_size=512; VACUUM;", nullptr, nullptr,
                     nullptr);
    sqlite3_close(db);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putBackSeeds() {
    DSStoreWriter plain;
    plain.add(QStringLiteral("report.pdf"), QStringLiteral("Users/me/Desktop/"));
    plain.add(QStringLiteral("photo.jpg"), QStringLiteral("Users/me/Pictures/"));
    seed("putback_records", "two-items", plain.bytes());
    DSStoreWriter odd;
    odd.setLeadingPadding(3);
    odd.add(QStringLiteral("Ünïcode 😀.txt"), QStringLiteral("Volumes/Data/"));
    odd.add(QStringLiteral("top"), QString());
    odd.addRawRecord(DSStoreWriter::ustrRecord(QStringLiteral("x"), "ptbN", QStringLiteral("cut")).left(11));
    seed("putback_records", "odd-offsets", odd.bytes());
    DSStoreWriter none;
    seed("putback_records", "no-records", none.bytes());
}

void trashInfoSeeds() {
    const QDateTime date(QDate(2024, 3, 1), QTime(12, 30, 5));
    seed("trash_info", "absolute", TrashInfo::format(QStringLiteral("/home/me/a file & more.txt"), date));
    seed("trash_info", "relative", TrashInfo::format(QStringLiteral("photos/ä.jpg"), date));
    seed("trash_info", "compact-date-crlf",
         "# note\r\n[Other]\r\nPath=/nope\r\n[Trash "
         "Info]\r\nPath=%2Ftmp%2Fx\r\nDeletionDate=20040831T223208\r\n");
    seed("trash_info", "stray-bytes",
         "[Trash Info]\nPath=/home/me/%FF%FEname\nDeletionDate=2004-08-31T22:32:08\n");
}

void directorySizesSeeds() {
    seed("directory_sizes", "cache",
         "4096 1700000000 Camera%20roll\n8192 1700000001 Old\n12 7 New%20%26%20odd\n");
    seed("directory_sizes", "damaged", "not a line\n12 x bad\n99 5 a%2Fslash\n18446744073709551615 -1 %FF\n");
}

void binaryCookieSeeds() {
    QList<CookieFixtures::BinaryCookie> cookies = CookieFixtures::demoBinaryCookies().mid(0, 5);
    seed("binary_cookies", "two-pages", CookieFixtures::binaryFileOf(cookies, 3));
    seed("binary_cookies", "one", CookieFixtures::binaryFileOf(cookies.mid(0, 1)));
    seed("binary_cookies", "raw-offsets",
         CookieFixtures::binaryFile({CookieFixtures::binaryPage(
             {CookieFixtures::rawRecord(0, 5, 56, 60, 62, 64, QByteArray("host\0n\0/\0v\0", 11))})}));
}

void propertyListSeeds() {
    seed("property_list", "xml",
         VersionDocument::xml(QStringLiteral("2.1.0"), QStringLiteral("Faster & smaller")));
    seed("property_list", "binary",
         VersionDocument::binary({{QStringLiteral("lastestVersion"), QStringLiteral("1.10")},
                                  {QStringLiteral("WhatsNew"), QStringLiteral("Nouveauté")}}));
    seed("property_list", "binary-wide",
         VersionDocument::binary({{QStringLiteral("lastestVersion"), QStringLiteral("3")}}, 2, 2));
    seed("property_list", "xml-every-type",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
         "<key>a</key><array><integer>-12</integer><real>1.5e3</real><true/><false/>"
         "<date>2024-01-02T03:04:05Z</date><data>SGVsbG8=</data><string>&lt;&#x41;&amp;</string></array>"
         "<key>d</key><dict/></dict></plist>\n");
}

void cookieDatabaseSeeds() {
    QTemporaryDir scratch;
    const QString chrome = scratch.filePath(QStringLiteral("Cookies"));
    CookieFixtures::ChromeCookie plain;
    plain.encrypted = CookieFixtures::ChromeCookie::Encrypted::None;
    CookieFixtures::ChromeCookie encrypted;
    encrypted.name = "enc";
    encrypted.expiresUtc = CookieFixtures::chromeTime(1900000000);
    encrypted.secure = encrypted.httpOnly = true;
    if (CookieFixtures::writeChromeDatabase(chrome, {plain, encrypted}))
        seed("cookie_database", "chrome", compactDatabase(chrome));
    const QString oldChrome = scratch.filePath(QStringLiteral("OldCookies"));
    if (CookieFixtures::writeChromeDatabase(oldChrome, {plain}, {true, 10}))
        seed("cookie_database", "chrome-old-schema", compactDatabase(oldChrome));
    const QString firefox = scratch.filePath(QStringLiteral("cookies.sqlite"));
    CookieFixtures::FirefoxCookie cookie;
    cookie.expiry = 1900000000000;
    if (CookieFixtures::writeFirefoxDatabase(firefox, {cookie, {}}))
        seed("cookie_database", "firefox", compactDatabase(firefox));
    const QString oldFirefox = scratch.filePath(QStringLiteral("old.sqlite"));
    if (CookieFixtures::writeFirefoxDatabase(oldFirefox, {cookie}, {true, 10}))
        seed("cookie_database", "firefox-old-schema", compactDatabase(oldFirefox));
}

void profilesIniSeeds() {
    seed("profiles_ini", "install-default",
         "[Install4F96D1932A9F858E]\nDefault=Profiles/abc.default-release\nLocked=1\n\n"
         "[Profile1]\nName=default\nIsRelative=1\nPath=Profiles/xyz.default\nDefault=1\n\n"
         "[General]\nStartWithLastProfile=1\nVersion=2\n");
    seed("profiles_ini", "marked-default",
         "; comment\n[Profile0]\nPath=abc.default\n[Profile1]\nIsRelative=1\nPath=def.second\nDefault=1\n");
    seed("profiles_ini", "absolute-and-escape",
         "[Profile0]\nIsRelative=0\nPath=/Users/fuzz/.mozilla/firefox/abc.default\n"
         "[Profile1]\nPath=../../../etc\nDefault=1\n[Install1]\nDefault=out/x\n");
}

void fileKindSeeds() {
    // The first byte says whether the name is a folder's (odd) or a file's.
    seed("file_kinds", "picture", QByteArray("\0holiday.JPG", 12));
    seed("file_kinds", "rtfd-folder", QByteArray("\1Notes.rtfd"));
    seed("file_kinds", "archive", QByteArray("\0backup.tar.Bzip", 16));
    seed("file_kinds", "stray-bytes", QByteArray("\0caf\xe9\xff.t\xc3xt", 12));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    putBackSeeds();
    trashInfoSeeds();
    directorySizesSeeds();
    binaryCookieSeeds();
    propertyListSeeds();
    cookieDatabaseSeeds();
    profilesIniSeeds();
    fileKindSeeds();
    return g_failed == 0 ? 0 : 1;
}
