#pragma once

#include <QDateTime>

/// The current time, replaceable in tests.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTimeUtc(); }
};
