#include "AgeingRules.h"

#include "core/SettingsKeys.h"
#include "platform/Defaults.h"

namespace {

AgeingRules::Rule read(const Defaults& d, QLatin1StringView onKey, QLatin1StringView valueKey, int fallback,
                       int high) {
    AgeingRules::Rule rule{d.stringForKey(onKey) == SettingsKeys::YES, fallback};
    bool ok = false;
    const int value = d.stringForKey(valueKey).toInt(&ok);
    if (ok && value >= 1 && value <= high) rule.value = value;
    return rule;
}

void write(Defaults& d, QLatin1StringView onKey, QLatin1StringView valueKey, const AgeingRules::Rule& rule) {
    d.setString(onKey, rule.on ? SettingsKeys::YES : SettingsKeys::NO);
    d.setString(valueKey, QString::number(rule.value));
}

}  // namespace

AgeingRules AgeingRules::stored(const Defaults& d) {
    AgeingRules rules;
    rules.olderThanDays =
        read(d, SettingsKeys::BAutoTrashAge, SettingsKeys::AutoTrashAgeDays, DefaultDays, MaxDays);
    rules.maxSharePercent =
        read(d, SettingsKeys::BAutoTrashShare, SettingsKeys::AutoTrashSharePercent, DefaultShare, MaxShare);
    rules.keepFreeGB = read(d, SettingsKeys::BAutoTrashKeepFree, SettingsKeys::AutoTrashKeepFreeGB,
                            DefaultFreeGB, MaxFreeGB);
    return rules;
}

void AgeingRules::store(Defaults& d) const {
    write(d, SettingsKeys::BAutoTrashAge, SettingsKeys::AutoTrashAgeDays, olderThanDays);
    write(d, SettingsKeys::BAutoTrashShare, SettingsKeys::AutoTrashSharePercent, maxSharePercent);
    write(d, SettingsKeys::BAutoTrashKeepFree, SettingsKeys::AutoTrashKeepFreeGB, keepFreeGB);
}

bool AgeingRules::parseSetting(const QString& text, int low, int high, Rule* rule) {
    if (text == QLatin1String("off")) {
        rule->on = false;
        return true;
    }
    // Digits only: no sign, no spaces, no "1e3".
    if (text.isEmpty() || text.size() > 9) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    const int value = text.toInt();
    if (value < low || value > high) return false;
    *rule = {true, value};
    return true;
}
