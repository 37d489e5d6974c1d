#include "CookieSites.h"

#include <libpsl.h>

#include <QHash>
#include <QHostAddress>
#include <QSet>
#include <algorithm>

#include "core/SettingsKeys.h"
#include "platform/Defaults.h"
#include "platform/Localized.h"

namespace CookieSites {
namespace {

// The newest list on the system (Debian's publicsuffix package) or the one built into libpsl;
// loaded once, read-only afterwards, so workers may share it.
const psl_ctx_t* suffixList() {
    static const psl_ctx_t* const list = [] {
        const psl_ctx_t* latest = psl_latest(nullptr);
        return latest ? latest : psl_builtin();
    }();
    return list;
}

bool hostChars(const QString& host) {
    for (QChar c : host)
        if (c.isSpace() || c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char('\t'))
            return false;
    return true;
}

}  // namespace

QString normalized(const QString& host) {
    QString h = host.trimmed().toLower();
    while (h.startsWith(QLatin1Char('.'))) h.remove(0, 1);
    while (h.endsWith(QLatin1Char('.'))) h.chop(1);
    return hostChars(h) ? h : QString();
}

QString siteOf(const QString& host) {
    // A store of a million cookies has a few thousand hosts: each is placed once per thread.
    thread_local QHash<QString, QString> known;
    if (auto it = known.constFind(host); it != known.cend()) return *it;
    const QString h = normalized(host);
    QString site = h;
    if (!h.isEmpty() && QHostAddress(h).isNull()) {
        const psl_ctx_t* list = suffixList();
        const QByteArray utf8 = h.toUtf8();
        if (const char* registrable = list ? psl_registrable_domain(list, utf8.constData()) : nullptr)
            site = QString::fromUtf8(registrable);
    }
    if (known.size() >= 50000) known.clear();
    known.insert(host, site);
    return site;
}

bool isKept(const QString& host, const QStringList& keepList) {
    if (keepList.isEmpty()) return false;
    const QString h = normalized(host);
    for (const QString& entry : keepList)
        if (h == entry || (h.size() > entry.size() && h.endsWith(entry) &&
                           h.at(h.size() - entry.size() - 1) == QLatin1Char('.')))
            return true;
    return false;
}

QStringList keepList(const Defaults& defaults) {
    QStringList list;
    for (const QString& entry : defaults.stringArrayForKey(SettingsKeys::CookieKeepList)) {
        const QString h = normalized(entry);
        if (!h.isEmpty() && !list.contains(h)) list << h;
    }
    return list;
}

bool keep(Defaults& defaults, const QString& host) {
    const QString h = siteOf(host);
    QStringList list = keepList(defaults);
    if (h.isEmpty() || list.contains(h)) return false;
    list << h;
    list.sort();
    defaults.setStringArray(SettingsKeys::CookieKeepList, list);
    return true;
}

bool unkeep(Defaults& defaults, const QString& host) {
    QStringList list = keepList(defaults);
    if (!list.removeOne(siteOf(host)) && !list.removeOne(normalized(host))) return false;
    defaults.setStringArray(SettingsKeys::CookieKeepList, list);
    return true;
}

QList<Site> group(const CookieList& cookies, const QStringList& keepList) {
    QHash<QString, int> index;
    QList<Site> sites;
    for (int row = 0; row < cookies.size(); ++row) {
        const PRCookFileNode& c = cookies[row];
        const QString name = siteOf(c.fileHost);
        auto at = index.constFind(name);
        if (at == index.cend()) {
            at = index.insert(name, int(sites.size()));
            sites.append({name, {}, std::nullopt, false});
        }
        Site& site = sites[*at];
        site.rows << row;
        site.kept = site.kept || isKept(c.fileHost, keepList);
        if (c.expiryUnix && (!site.latestExpiry || *c.expiryUnix > *site.latestExpiry))
            site.latestExpiry = c.expiryUnix;
    }
    std::sort(sites.begin(), sites.end(), [](const Site& a, const Site& b) { return a.name < b.name; });
    return sites;
}

Plan plan(const CookieList& chosen, const QStringList& keepList) {
    Plan p;
    QSet<QString> sites;
    for (const PRCookFileNode& c : chosen) {
        if (isKept(c.fileHost, keepList)) {
            ++p.kept;
            continue;
        }
        p.remove << c;
        sites.insert(siteOf(c.fileHost));
    }
    p.sites = int(sites.size());
    return p;
}

QString question(const Plan& plan) {
    return localized("Remove %1 cookie(s) of %2 site(s)?").arg(plan.remove.size()).arg(plan.sites);
}

QString keptText(const Plan& plan) {
    return plan.kept > 0 ? localized("%1 cookie(s) of kept sites stay.").arg(plan.kept) : QString();
}

CookieList pick(const CookieList& cookies, const QStringList& sites, const QString& name) {
    QStringList wanted;
    for (const QString& s : sites) wanted << siteOf(s);
    CookieList picked;
    for (const PRCookFileNode& c : cookies) {
        if (!name.isEmpty() && c.fileName != name) continue;
        if (!wanted.isEmpty() && !isKept(c.fileHost, wanted))
            continue;  // the same test: the site or a host of it
        picked << c;
    }
    return picked;
}

}  // namespace CookieSites
