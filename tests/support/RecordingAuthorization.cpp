#include "RecordingAuthorization.h"

#include "platform/MainThread.h"

void RecordingAuthorization::start(const QString& program, const QStringList& arguments, Done done) {
    m_programs << program;
    m_arguments << arguments;
    MainThread::post([done = std::move(done), outcome = m_outcome] { done(outcome); });
}
