#include "LaunchDefaults.h"

#include "core/SettingsKeys.h"
#include "platform/Defaults.h"

void LaunchDefaults::write(Defaults& d, const QDateTime& now) {
    if (!d.hasValue(SettingsKeys::LastCleanDate)) d.setDate(SettingsKeys::LastCleanDate, now);
    if (!d.hasValue(SettingsKeys::TrashStorage))
        d.setUnsigned(SettingsKeys::TrashStorage, SettingsKeys::DefaultTrashStorage);
    if (!d.hasValue(SettingsKeys::BAutoTidy)) d.setString(SettingsKeys::BAutoTidy, SettingsKeys::YES);
    if (!d.hasValue(SettingsKeys::BShowWarning)) d.setString(SettingsKeys::BShowWarning, SettingsKeys::YES);
    d.synchronize();
}
