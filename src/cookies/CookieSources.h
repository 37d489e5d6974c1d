#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Paths;

/// Where each browser keeps its cookies, from the folders Paths names: the binary cookie file,
/// Chrome's "Default" profile before "Profile N" (its "Network/Cookies" where it exists, else
/// "Cookies"), and Firefox's profile as "profiles.ini" chooses it.
namespace CookieSources {

QString safariCookieFile(const Paths& paths);
/// The first Chrome or Chromium profile with a cookie database; empty when there is none.
QString chromeCookieFile(const Paths& paths);
/// The chosen Firefox profile's "cookies.sqlite"; empty when there is none. `refused` says why a
/// profile named by "profiles.ini" was not used.
QString firefoxCookieFile(const Paths& paths, QString* refused = nullptr);

/// The profile folders of a Chrome user-data folder: "Default", then "Profile N" by number.
QStringList chromeProfiles(const QString& userDataFolder);

/// The profile "profiles.ini" chooses: the install's "Default=" first, else the profile marked
/// "Default=1", else the first profile. Relative paths are taken from `folder`, absolute ones are
/// placed under the layout's root. Empty when the text names none or names one outside the home
/// (then `refused` says so).
QString profileFromIni(const QByteArray& ini, const QString& folder, const Paths& paths,
                       QString* refused = nullptr);

}  // namespace CookieSources
