#pragma once

#include <QList>
#include <QString>

#include "trash/PutBackQuestion.h"

/// Answers the put-back question from a script and records each question; when the script runs out
/// it answers `fallback` (Refuse: the item stays, as without a question).
class ScriptedPutBackQuestion : public PutBackQuestion {
  public:
    struct Asked {
        QString name;
        QString place;
        int more = 0;
    };
    explicit ScriptedPutBackQuestion(
        TrashItemActions::TakenAnswer fallback = {TrashItemActions::WhenTaken::Refuse, false})
        : m_fallback(fallback) {}
    void setNextAnswers(const QList<TrashItemActions::TakenAnswer>& answers) { m_answers = answers; }
    TrashItemActions::TakenAnswer ask(const QString& name, const QString& place, int more) override {
        m_asked.append({name, place, more});
        return m_answers.isEmpty() ? m_fallback : m_answers.takeFirst();
    }
    const QList<Asked>& asked() const { return m_asked; }

  private:
    TrashItemActions::TakenAnswer m_fallback;
    QList<TrashItemActions::TakenAnswer> m_answers;
    QList<Asked> m_asked;
};
