#pragma once

#include "platform/Alerts.h"
#include "platform/Localized.h"

/// The alert shown when this user's rights did not suffice to remove Trash items; its default
/// button starts the helper with administrator rights.
inline AlertRequest permissionAlertRequest() {
    return {localized(
                "The current user does not have permission to delete some items. Corvane need to change the "
                "permissions to remove them."),
            localized(" OK "), localized(" Cancel "), QString()};
}
