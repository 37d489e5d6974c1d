#pragma once

#include <QList>
#include <QStringList>

#include "platform/OpenPanel.h"

/// Answers open panels from a script (an empty text cancels) and records what was asked; once the
/// script runs out every panel is cancelled.
class ScriptedOpenPanel : public OpenPanel {
  public:
    void setNextFileName(const QString& path) { m_answers << path; }
    QString runModal(QWidget*, const OpenPanelRequest& request) override {
        m_asked << request;
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }
    const QList<OpenPanelRequest>& asked() const { return m_asked; }

  private:
    QStringList m_answers;
    QList<OpenPanelRequest> m_asked;
};
