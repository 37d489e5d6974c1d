#pragma once

#include <functional>
#include <memory>

class Alerts;
class Appearance;
class Authorization;
class Clock;
class Defaults;
class OpenPanel;
class DesktopNotifications;
class LoginItems;
class Paths;
class PRUpdateController;
class PutBackQuestion;
class SystemCommands;
class SystemVersion;
class Tasks;
class Workspace;

/// The services the application controller works through. Tests and the snapshot mode hand in
/// doubles; the program hands in the desktop's.
struct AppServices {
    std::shared_ptr<Defaults> defaults;
    std::shared_ptr<Paths> paths;
    std::shared_ptr<Tasks> tasks;
    std::shared_ptr<Alerts> alerts;
    std::shared_ptr<Workspace> workspace;
    std::shared_ptr<LoginItems> loginItems;
    std::shared_ptr<Appearance> appearance;
    std::shared_ptr<SystemVersion> systemVersion;
    std::shared_ptr<Clock> clock;
    std::shared_ptr<PRUpdateController> updateController;
    std::shared_ptr<Authorization> authorization;         ///< none: the helper is never started
    std::shared_ptr<DesktopNotifications> notifications;  ///< none: nothing is posted
    std::shared_ptr<SystemCommands> commands;             ///< made from `tasks` when not given
    /// Asked when an item's original place is taken at put back; none: such items stay in the Trash.
    std::shared_ptr<PutBackQuestion> putBackQuestion;

    /// The panels that choose files and folders; none: the desktop's file dialog.
    std::shared_ptr<OpenPanel> openPanel;
    /// Whether the desktop shows tray icons now; asked again while Corvane runs. None: a tray is
    /// assumed (tests and snapshots).
    std::function<bool()> trayAvailable;
};
