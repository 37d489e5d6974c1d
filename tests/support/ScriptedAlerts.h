#pragma once

#include <QList>
#include <QString>

#include "platform/Alerts.h"

/// Answers from a script and records what was asked; when the script runs out it answers
/// `fallback`. For tests and for the snapshot mode, where nothing may wait for a person.
class ScriptedAlerts : public Alerts {
  public:
    explicit ScriptedAlerts(int fallback = Alerts::Default) : m_fallback(fallback) {}
    void setNextAnswers(const QList<int>& answers) { m_answers = answers; }
    int runModal(const AlertRequest& alert) override;
    const QList<AlertRequest>& asked() const { return m_asked; }
    void clear() { m_asked.clear(); }

  private:
    int m_fallback;
    QList<int> m_answers;
    QList<AlertRequest> m_asked;
};
