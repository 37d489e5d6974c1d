#include "TolvikWarning.h"

#include <syslog.h>

#include <cstdio>

#include "platform/Localized.h"

AlertRequest TolvikWarning::alert() {
    return {
        localized("Corvane failed to change the permissions because of System Integrity Protection module."),
        localized(" Ok "), QString(),
        localized("You need to disable system Integrity Protection module on macOS, ") +
            QLatin1String(HelpPage)};
}

bool TolvikWarning::displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void TolvikWarning::writeToSystemLog(const AlertRequest& alert) {
    const QByteArray text = (alert.message + QLatin1Char(' ') + alert.informativeText).toUtf8();
    ::openlog("Tolvik", LOG_PID, LOG_USER);
    ::syslog(LOG_WARNING, "%s", text.constData());
    ::closelog();
    std::fprintf(stderr, "Tolvik: %s\n", text.constData());
    std::fflush(stderr);
}
