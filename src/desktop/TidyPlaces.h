#pragma once

#include <QString>

class Paths;

/// Which folders the Desktop tidy may act in, checked before a tidy, a refresh, a restore or a
/// delete runs and when a store location is chosen. A refusal is a sentence for the user.
namespace TidyPlaces {

/// Why `desktop` is no Desktop to tidy; empty when it is one. None is: an empty or relative path,
/// "/" (the layout's root), the home folder or a folder that holds it, a folder that holds the Trash.
QString desktopProblem(const Paths& paths, const QString& desktop);

/// Why `location` can't hold the store folder; empty when it can. Refused: no location, a relative
/// path, "/" (the layout's root), the home folder, a place inside the Desktop or the Trash, and a
/// folder that holds the home folder, the Desktop or the Trash.
QString locationProblem(const Paths& paths, const QString& location);

/// The Desktop of `paths` when it may be tidied; empty otherwise, with the reason in `why`.
QString desktop(const Paths& paths, QString* why = nullptr);

/// The store folder of `location` when the location may hold it; empty otherwise, with the reason
/// in `why`.
QString storeFolder(const Paths& paths, const QString& location, QString* why = nullptr);

/// A location as chosen in a panel or on the command line, stored without the links on its way
/// (the store folder is later opened without following any); `location` cleaned when it isn't there.
QString chosenLocation(const QString& location);

/// `path` without "." steps, repeated or trailing "/"; `path` itself when it is not absolute.
QString cleaned(const QString& path);

/// Whether `inner` is `outer` or lies below it (both cleaned, absolute).
bool within(const QString& inner, const QString& outer);

}  // namespace TidyPlaces
