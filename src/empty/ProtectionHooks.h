#pragma once

#include "EmptyController.h"
#include "protect/ProtectedItems.h"
#include "protect/ProtectionRules.h"
#include "trash/CVTrashFileNode.h"

#include <functional>
#include <memory>

/// What a forced pass asks of the protection rules: the rules themselves, the check of each entry,
/// and at the end the protected rows, handed to `showRows` (on the pass's thread) when there are any.
inline EmptyController::Protection protectionHooks(
    std::shared_ptr<const ProtectionRules> rules, std::shared_ptr<ProtectedItems> items,
    std::function<void(const QList<CVTrashFileNode::Ptr>& rows)> showRows) {
    EmptyController::Protection protection;
    protection.hasRules = [rules] { return rules->hasRules(); };
    protection.isProtected = [items](const QString& path) { return items->CheckFileBeProtectWithPath(path); };
    protection.beginPass = [items] { items->beginPass(); };
    protection.CheckIfNeedDeleteConfirm = [items, showRows] {
        const auto rows = items->CheckIfNeedDeleteConfirm();
        if (!rows.isEmpty() && showRows) showRows(rows);
    };
    return protection;
}
