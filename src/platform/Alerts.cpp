#include "Alerts.h"

#include <cstdio>
#include <iostream>
#include <string>

int ConsoleAlerts::runModal(const AlertRequest& alert) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(alert.message));
    if (!alert.informativeText.isEmpty()) std::fprintf(stderr, "%s\n", qUtf8Printable(alert.informativeText));
    const QString def = alert.defaultButton.trimmed();
    const QString alt = alert.alternateButton.trimmed();
    if (alt.isEmpty()) return Default;
    if (m_assumeYes) {
        std::fprintf(stderr, "[%s] (--yes)\n", qUtf8Printable(def));
        return Default;
    }
    for (;;) {
        std::fprintf(stderr, "[%s / %s]? ", qUtf8Printable(def), qUtf8Printable(alt));
        std::fflush(stderr);
        std::string line;
        if (!std::getline(std::cin, line)) return Alternate;
        const QString answer = QString::fromStdString(line).trimmed();
        if (answer.compare(def, Qt::CaseInsensitive) == 0 ||
            answer.compare(QLatin1String("y"), Qt::CaseInsensitive) == 0 ||
            answer.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0)
            return Default;
        if (answer.compare(alt, Qt::CaseInsensitive) == 0 ||
            answer.compare(QLatin1String("n"), Qt::CaseInsensitive) == 0 ||
            answer.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0)
            return Alternate;
    }
}
