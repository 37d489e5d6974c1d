#include "ProtectionFactory.h"

#include "protect/ProtectedItems.h"
#include "protect/ProtectionRules.h"

ProtectionFactory::Sources ProtectionFactory::fromSettings(std::shared_ptr<Defaults> defaults,
                                                           std::shared_ptr<const TrashOrigPaths> origPaths) {
    Sources sources;
    sources.rules = std::make_shared<ProtectionRules>(std::move(defaults));
    sources.items = std::make_shared<ProtectedItems>(sources.rules, std::move(origPaths));
    return sources;
}

EmptyProtection ProtectionFactory::forEmptying(const Sources& sources, ShowRows showRows) {
    const std::shared_ptr<const ProtectionRules> rules = sources.rules;
    const std::shared_ptr<ProtectedItems> items = sources.items;
    return EmptyProtection([rules] { return rules->hasRules(); },
                           [items](const QString& path) { return items->CheckFileBeProtectWithPath(path); },
                           [items] { items->beginPass(); },
                           [items, showRows = std::move(showRows)] {
                               const auto rows = items->CheckIfNeedDeleteConfirm();
                               if (!rows.isEmpty() && showRows) showRows(rows);
                           });
}
