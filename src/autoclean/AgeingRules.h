#pragma once

#include <QString>

class Defaults;

/// The three rules that age the Trash out item by item, as the settings store keeps them: each a
/// switch and a number, so turning a rule off keeps the number for the next time.
struct AgeingRules {
    struct Rule {
        bool on = false;
        int value = 0;
        bool operator==(const Rule&) const = default;
    };
    Rule olderThanDays{false, DefaultDays};     ///< deleted more than this many days ago
    Rule maxSharePercent{false, DefaultShare};  ///< the Trash at most this share of its disk
    Rule keepFreeGB{false, DefaultFreeGB};      ///< at least this many GB (10^9 bytes) free on that disk

    bool operator==(const AgeingRules&) const = default;

    /// At least one rule is on.
    bool any() const { return olderThanDays.on || maxSharePercent.on || keepFreeGB.on; }

    /// The rules as stored. A switch is on only for "YES"; a number that is missing or outside its
    /// range reads as the default, so a hand-edited store never ages out more than a valid one.
    static AgeingRules stored(const Defaults& defaults);
    /// Writes all six keys (not synchronised).
    void store(Defaults& defaults) const;

    /// Reads "off" or a whole number within [low, high]; nothing else is accepted.
    static bool parseSetting(const QString& text, int low, int high, Rule* rule);

    static constexpr int DefaultDays = 30;
    static constexpr int DefaultShare = 10;
    static constexpr int DefaultFreeGB = 5;
    static constexpr int MaxDays = 36500;
    static constexpr int MaxShare = 100;
    static constexpr int MaxFreeGB = 1000000;
    static constexpr quint64 BytesPerGB = 1000000000ULL;
};
