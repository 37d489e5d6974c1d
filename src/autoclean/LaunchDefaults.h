#pragma once

#include <QDateTime>

class Defaults;

/// The settings a start writes when they are absent, so the tray program and a timer that runs
/// only the command line see the same values: the auto-clean interval counted from `now`, the size
/// threshold, auto tidy and the emptying warning on. Stored values are kept; one write.
namespace LaunchDefaults {
void write(Defaults& defaults, const QDateTime& now);
}
