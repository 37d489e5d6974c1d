#pragma once

#include <QString>

#include "TrashItemActions.h"

/// The question asked when an item's original place is taken: keep both, replace what is there, or
/// skip the item, and whether the answer holds for the other items that meet the question. The
/// windows ask through this, so tests and unattended runs answer without a modal loop. Main thread.
class PutBackQuestion {
  public:
    virtual ~PutBackQuestion() = default;
    /// About item `name` whose place `place` is taken; `more` items after it meet the question too.
    virtual TrashItemActions::TakenAnswer ask(const QString& name, const QString& place, int more) = 0;

    /// The callback planPutBack() takes, asking `question`; none when `question` is null, so taken
    /// places are refused.
    static TrashItemActions::AskWhenTaken asker(PutBackQuestion* question) {
        if (!question) return {};
        return [question](const QString& name, const QString& place, int more) {
            return question->ask(name, place, more);
        };
    }
};
