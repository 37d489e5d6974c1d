#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/Authorization.h"

/// Starts nothing: records each program and answers with the outcome the test chose, queued on
/// the main thread as the real start would.
class RecordingAuthorization : public Authorization {
  public:
    void setOutcome(Outcome outcome) { m_outcome = outcome; }
    const QStringList& startedPrograms() const { return m_programs; }
    /// The arguments of each start, in the same order.
    const QList<QStringList>& startedArguments() const { return m_arguments; }

  protected:
    void start(const QString& program, const QStringList& arguments, Done done) override;

  private:
    Outcome m_outcome = Outcome::Started;
    QStringList m_programs;
    QList<QStringList> m_arguments;
};
