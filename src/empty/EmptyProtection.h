#pragma once

#include <QString>
#include <functional>

/// What a forced emptying asks of the protection rules. There is no default: a caller either
/// builds it from the rules (ProtectionFactory) or says by name that it means none, so no pass
/// can be made that forgets the rules by leaving them out.
class EmptyProtection {
  public:
    /// No rules at all: every entry may go.
    static EmptyProtection none() { return EmptyProtection(); }

    /// `hasRules`: at least one rule exists. `isProtected`: whether the entry at a path is kept
    /// (and recorded). `beginPass` runs before the first entry is checked, `CheckIfNeedDeleteConfirm`
    /// at the end of the pass, both on the pass's thread. Empty functions mean "no", "nothing".
    EmptyProtection(std::function<bool()> hasRules, std::function<bool(const QString& path)> isProtected,
                    std::function<void()> beginPass, std::function<void()> CheckIfNeedDeleteConfirm)
        : m_hasRules(std::move(hasRules)),
          m_isProtected(std::move(isProtected)),
          m_beginPass(std::move(beginPass)),
          m_end(std::move(CheckIfNeedDeleteConfirm)) {}

    bool hasRules() const { return m_hasRules && m_hasRules(); }
    bool isProtected(const QString& path) const { return m_isProtected && m_isProtected(path); }
    void beginPass() const {
        if (m_beginPass) m_beginPass();
    }
    void CheckIfNeedDeleteConfirm() const {
        if (m_end) m_end();
    }

  private:
    EmptyProtection() = default;

    std::function<bool()> m_hasRules;
    std::function<bool(const QString& path)> m_isProtected;
    std::function<void()> m_beginPass;
    std::function<void()> m_end;
};
