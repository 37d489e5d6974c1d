#pragma once

#include <QString>
#include <functional>

#include "PRCookFileNode.h"

/// The browsers' SQLite cookie databases, read through libsqlite3. Reading never changes the file:
/// it is opened read-only, and where the browser holds it locked a private copy of the database and
/// its write-ahead log is read instead. The columns are taken from the table's schema, so old and
/// current schemas both read.
namespace CookieDatabase {

enum class Kind {
    Unknown,  ///< no cookie table of either browser (or not a database at all)
    Chrome,   ///< a "cookies" table
    Firefox,  ///< a "moz_cookies" table
};

struct Result {
    CookieList cookies;
    Kind kind = Kind::Unknown;
    bool opened = false;    ///< false: no file, or not a database that opens
    QString problem;        ///< why nothing (or not everything) could be read, for the user
    int undecryptable = 0;  ///< values shown as the description of their encrypted bytes
    bool fromCopy = false;  ///< the file was locked, a private copy was read
};

/// The SQLite header, the first 16 bytes of every database.
bool hasDatabaseHeader(const QByteArray& first16);

/// The kind by the tables the database holds.
Kind kindOf(const QString& path, QString* problem = nullptr);

/// `ReadCookDatabaseFileWithPath:`: a Chrome-style "cookies" table.
Result ReadCookDatabaseFileWithPath(const QString& path);
/// `ReadFirefoxCookDatabaseFileWithPath:`: a "moz_cookies" table.
Result ReadFirefoxCookDatabaseFileWithPath(const QString& path);
/// The reader the tables call for.
Result read(const QString& path);
/// Reads as read() does, but hands each cookie to `each` as it is read instead of keeping it in
/// the result: a store of millions of rows is never held whole.
using Sink = std::function<void(PRCookFileNode&&)>;
Result readEach(const QString& path, const Sink& each);

}  // namespace CookieDatabase
