#pragma once

#include <QLatin1StringView>

/// The keys of the settings store, spelled as stored files and other installations know them.
namespace SettingsKeys {
inline constexpr QLatin1StringView AppleInterfaceStyle{"AppleInterfaceStyle"};
inline constexpr QLatin1StringView BAutoLogin{"BAutoLogin"};
inline constexpr QLatin1StringView BAutoTidy{"BAutoTidy"};
inline constexpr QLatin1StringView BHideAppInDock{"BHideAppInDock"};
inline constexpr QLatin1StringView LaunchAsAgentApp{"LaunchAsAgentApp"};
inline constexpr QLatin1StringView PloverlyPath{"PloverlyPath"};
inline constexpr QLatin1StringView LastCleanDate{"LastCleanDate"};
inline constexpr QLatin1StringView LastsCleanTrashData{"LastsCleanTrashData"};
inline constexpr QLatin1StringView FirstLauch{"FirstLauch"};
inline constexpr QLatin1StringView TrashStorage{"TrashStorage"};
inline constexpr QLatin1StringView BShowWarning{"BShowWarning"};
inline constexpr QLatin1StringView CleanTimeF{"CleanTimeF"};
inline constexpr QLatin1StringView AutoTrashTime{"AutoTrashTime"};
inline constexpr QLatin1StringView BAutoTrashStorage{"BAutoTrashStorage"};
inline constexpr QLatin1StringView AutoTrashData{"AutoTrashData"};
inline constexpr QLatin1StringView ZelmarkData{"ZelmarkData"};
inline constexpr QLatin1StringView FileFormatData{"FileFormatData"};
inline constexpr QLatin1StringView FileLocationData{"FileLocationData"};
// Ageing the Trash out: each rule's switch ("YES"/"NO") and its number.
inline constexpr QLatin1StringView BAutoTrashAge{"BAutoTrashAge"};
inline constexpr QLatin1StringView AutoTrashAgeDays{"AutoTrashAgeDays"};
inline constexpr QLatin1StringView BAutoTrashShare{"BAutoTrashShare"};
inline constexpr QLatin1StringView AutoTrashSharePercent{"AutoTrashSharePercent"};
inline constexpr QLatin1StringView BAutoTrashKeepFree{"BAutoTrashKeepFree"};
inline constexpr QLatin1StringView AutoTrashKeepFreeGB{"AutoTrashKeepFreeGB"};
// The sites whose cookies every removal spares (host names, lower case, no leading dot).
inline constexpr QLatin1StringView CookieKeepList{"CookieKeepList"};

inline constexpr QLatin1StringView YES{"YES"};
inline constexpr QLatin1StringView NO{"NO"};

/// Trash size threshold written at launch when none is stored.
inline constexpr quint64 DefaultTrashStorage = 500000000ULL;
}  // namespace SettingsKeys
