#pragma once

#include <QDateTime>

#include "platform/Clock.h"

class FixedClock : public Clock {
  public:
    explicit FixedClock(const QDateTime& t) : m_now(t) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& t) { m_now = t; }
    void advance(qint64 seconds) { m_now = m_now.addSecs(seconds); }

  private:
    QDateTime m_now;
};
