#pragma once

#include <QDBusVariant>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>

#include "platform/Appearance.h"

/// A fixed appearance that tests set.
class FixedAppearance : public Appearance {
    Q_OBJECT
  public:
    explicit FixedAppearance(const QString& style = QString()) : m_style(style) {}
    QString interfaceStyle() override { return m_style; }
    void setStyle(const QString& style) { m_style = style; }

  private:
    QString m_style;
};
