#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "CliContext.h"
#include "cookies/CookieRemoval.h"
#include "cookies/PRCookFileNode.h"

/// What the cookie verbs share: their options, the source they name and its cookies.
namespace CookieCli {

struct Request {
    QString source;
    QString to;
    QStringList sites;  ///< --site, any number
    QString name;
    bool json = false;
    bool netscape = false;
    bool dryRun = false;
    bool force = false;
    bool keepList = false;
};

struct Source {
    bool found = false;  ///< a cookie file of a known kind
    CookieRemoval::Store store = CookieRemoval::Store::Binary;
    QString path;
};

/// Reads `flags` (options and valued options alike) into `r`; a usage error on standard error and
/// false for anything else, or when --source is missing.
bool parse(const CliArguments& args, const QString& verb, const QStringList& flags, Request& r,
           CliContext& ctx);
/// Hands each cookie of the source to `each`, a database's as its rows are read (millions are never
/// held); false with the reason on standard error when there is nothing to read.
bool forEach(const Request& r, CliContext& ctx, Source& source,
             const std::function<void(PRCookFileNode&&)>& each);
/// The source's cookies, kept in a list.
bool read(const Request& r, CliContext& ctx, Source& source, CookieList& cookies);
/// The source --source names (a browser or a file), without reading it.
Source resolve(const QString& source, CliContext& ctx, QString* refused = nullptr);

int remove(const CliArguments& args, CliContext& ctx);
int keep(const CliArguments& args, CliContext& ctx);

}  // namespace CookieCli
