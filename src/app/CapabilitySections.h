#pragma once

#include <functional>

#include "AppSection.h"

class QWidget;

/// Each capability's main-window section: its texts, its image, its page and what its buttons do.
namespace CapabilitySections {
AppSection trash(std::function<void()> scan, std::function<void()> empty);
AppSection autoClean(std::function<void()> show);
AppSection protection(std::function<void()> show);
AppSection desktopTidy(QWidget* page, std::function<void()> show);
AppSection secureErase(std::function<void()> choose);
AppSection cookies(QWidget* page, std::function<void()> show);
}  // namespace CapabilitySections
