#include "ScriptedAlerts.h"

int ScriptedAlerts::runModal(const AlertSpec& alert) {
    m_asked.append(alert);
    return m_answers.isEmpty() ? m_fallback : m_answers.takeFirst();
}
