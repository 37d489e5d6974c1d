#pragma once

#include <memory>

#include "AutoCleanConditions.h"

class Defaults;

/// The conditions as the settings panel shows them right after loading the stored settings: time
/// on unless "NO", size on only for "YES", the stored period when it is one of the titles, else
/// "Monthly". For running the policy without the panel (the command line).
class StoredAutoCleanConditions : public AutoCleanConditions {
  public:
    explicit StoredAutoCleanConditions(std::shared_ptr<const Defaults> defaults);

    bool BCheckDate() const override;
    bool BCheckStorage() const override;
    QString getTimeFrequency() const override;
    AgeingRules ageingRules() const override;

  private:
    std::shared_ptr<const Defaults> m_defaults;
};
