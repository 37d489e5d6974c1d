#pragma once

#include <QMap>
#include <QString>

#include "platform/SystemVersion.h"

/// Answers the selectors it was given and fails the others.
class FixedSystemVersion : public SystemVersion {
  public:
    explicit FixedSystemVersion(QMap<QString, int> selectors) : m_selectors(std::move(selectors)) {}
    bool reportsMacOS() const override { return true; }
    long gestalt(const QString& selector, int* value) const override;

  private:
    QMap<QString, int> m_selectors;
};
