#include "ScriptedAlerts.h"

int ScriptedAlerts::runModal(const AlertRequest& alert) {
    m_asked.append(alert);
    return m_answers.isEmpty() ? m_fallback : m_answers.takeFirst();
}
