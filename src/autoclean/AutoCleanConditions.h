#pragma once

#include <QString>

#include "AgeingRules.h"

/// The live state of the auto-clean controls that the policy reads at every check: the settings
/// panel in the program, the stored settings on the command line.
class AutoCleanConditions {
  public:
    virtual ~AutoCleanConditions() = default;
    /// The time condition is on.
    virtual bool BCheckDate() const = 0;
    /// The size condition is on.
    virtual bool BCheckStorage() const = 0;
    /// The title of the chosen period ("Monthly", …).
    virtual QString getTimeFrequency() const = 0;
    /// The rules that age items out one by one; none unless a source has them.
    virtual AgeingRules ageingRules() const { return {}; }
};
