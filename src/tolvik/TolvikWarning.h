#pragma once

#include "platform/Alerts.h"

/// The one alert Tolvik can show, when too much is left in the Trash folders after it ran.
class TolvikWarning {
  public:
    /// The page that explains what to do; part of the alert's informative text.
    static constexpr const char* HelpPage = "https://corvane.app/guide/helper";

    static AlertRequest alert();
    /// True when a desktop display is named in the environment (pkexec keeps DISPLAY only when
    /// the policy allows a GUI).
    static bool displayAvailable();
    /// The alert's texts to the system log (warning level) and to standard error, for when it
    /// cannot be shown.
    static void writeToSystemLog(const AlertRequest& alert);
};
