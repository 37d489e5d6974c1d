#pragma once

/// The update check as start-up sees it: hide the update window, then ask the server for the
/// published version. This base checks nothing.
class PRUpdateController {
public:
    virtual ~PRUpdateController();
    virtual void hidUpdateWindow() {}
    virtual void checkServerVersion() {}
};
