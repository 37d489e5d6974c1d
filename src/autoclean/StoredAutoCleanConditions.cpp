#include "StoredAutoCleanConditions.h"

#include "AutoCleanPolicy.h"
#include "core/SettingsKeys.h"
#include "platform/Defaults.h"

StoredAutoCleanConditions::StoredAutoCleanConditions(std::shared_ptr<const Defaults> defaults)
    : m_defaults(std::move(defaults)) {}

bool StoredAutoCleanConditions::BCheckDate() const {
    return m_defaults->stringForKey(SettingsKeys::AutoTrashTime) != SettingsKeys::NO;
}

bool StoredAutoCleanConditions::BCheckStorage() const {
    return m_defaults->stringForKey(SettingsKeys::BAutoTrashStorage) == SettingsKeys::YES;
}

QString StoredAutoCleanConditions::getTimeFrequency() const {
    const QString stored = m_defaults->stringForKey(SettingsKeys::CleanTimeF);
    return AutoCleanPolicy::periodTitles().contains(stored) ? stored : AutoCleanPolicy::defaultPeriodTitle();
}

AgeingRules StoredAutoCleanConditions::ageingRules() const {
    return AgeingRules::stored(*m_defaults);
}
