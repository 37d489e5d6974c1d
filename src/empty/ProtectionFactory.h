#pragma once

#include <QList>
#include <functional>
#include <memory>

#include "EmptyProtection.h"
#include "trash/CVTrashFileNode.h"

class Defaults;
class ProtectedItems;
class ProtectionRules;
class TrashOrigPaths;

/// The one way an emptying gets its protection, shared by the windows and the command line: the
/// rules are read from the settings store, each entry is checked against them (its original place
/// from `origPaths`, which the pass refreshes), and the protected rows are handed on at the end.
class ProtectionFactory {
  public:
    /// What the protection is read from. The windows keep these (the rules editor shares the
    /// rules); the command line makes them for one pass.
    struct Sources {
        std::shared_ptr<ProtectionRules> rules;
        std::shared_ptr<ProtectedItems> items;
    };
    using ShowRows = std::function<void(const QList<CVTrashFileNode::Ptr>& rows)>;

    /// The rules as the settings store holds them, and the record of a pass's protected items.
    static Sources fromSettings(std::shared_ptr<Defaults> defaults,
                                std::shared_ptr<const TrashOrigPaths> origPaths);
    /// The protection of a pass: `showRows` gets the protected rows, on the pass's thread, when
    /// there are any.
    static EmptyProtection forEmptying(const Sources& sources, ShowRows showRows);
};
