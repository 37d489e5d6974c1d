#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "PRCookFileNode.h"

class Defaults;

/// Cookies by site: the registrable domain of their host, from the public suffix list (libpsl),
/// and the keep-list of sites that every removal spares.
namespace CookieSites {

/// A host or site as the keep-list holds it: lower case, without a leading or trailing dot and
/// surrounding blanks; empty when nothing is left or the text can't be a host name.
QString normalized(const QString& host);

/// The registrable domain of `host` ("www.news.example.co.uk" gives "example.co.uk"); a host the
/// list can't place (an IP address, "localhost", a bare public suffix) is its own site.
/// Each host is placed once per thread, so callers may ask row by row.
QString siteOf(const QString& host);

/// Whether `host` is kept: a keep-list entry is the host itself or one of its parent domains.
bool isKept(const QString& host, const QStringList& keepList);

/// The keep-list stored in the settings, normalized, without repeats.
QStringList keepList(const Defaults& defaults);
/// Adds the site of `host` to the stored keep-list; false when it is not a host name or already there.
bool keep(Defaults& defaults, const QString& host);
/// Takes the site of `host` (or `host` itself) off the stored keep-list; false when it was not on it.
bool unkeep(Defaults& defaults, const QString& host);

/// The cookies of one site, in reading order.
struct Site {
    QString name;
    QList<int> rows;                     ///< indexes into the list grouped
    std::optional<qint64> latestExpiry;  ///< none when every cookie is a session cookie
    bool kept = false;
};
/// `cookies` grouped by site, sites by name.
QList<Site> group(const CookieList& cookies, const QStringList& keepList);

/// What a removal of `chosen` takes: the cookies not kept, how many sites they belong to, and
/// how many chosen cookies the keep-list spares.
struct Plan {
    CookieList remove;
    int sites = 0;
    int kept = 0;
};
Plan plan(const CookieList& chosen, const QStringList& keepList);
/// The confirmation of a removal: how many cookies of how many sites go...
QString question(const Plan& plan);
/// ...and how many the keep-list spares (empty when none).
QString keptText(const Plan& plan);

/// The cookies a command line picks: those of the sites of `sites` (every cookie when empty) named
/// `name` (any name when empty).
CookieList pick(const CookieList& cookies, const QStringList& sites, const QString& name);

}  // namespace CookieSites
