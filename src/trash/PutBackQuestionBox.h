#pragma once

#include "PutBackQuestion.h"

class QCheckBox;
class QMessageBox;
class QWidget;

/// The question as a modal message box with "Keep Both", "Replace" and "Skip", and an "Apply to
/// All" check box when more items meet it. Closing the box skips the item.
class PutBackQuestionBox : public PutBackQuestion {
  public:
    explicit PutBackQuestionBox(QWidget* parent = nullptr) : m_parent(parent) {}
    TrashItemActions::TakenAnswer ask(const QString& name, const QString& place, int more) override;

    /// The box the question shows (for pictures of it); the caller owns it. Each button's
    /// "choice" property holds its TrashItemActions::WhenTaken as an int.
    static QMessageBox* buildBox(const QString& name, const QString& place, int more,
                                 QWidget* parent = nullptr);
    /// The answer that the box's clicked button and check box give.
    static TrashItemActions::TakenAnswer answerOf(const QMessageBox& box);

  private:
    QWidget* m_parent;
};
