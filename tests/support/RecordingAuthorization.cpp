#include "RecordingAuthorization.h"

#include "platform/MainThread.h"

void RecordingAuthorization::start(const QString& program, Done done) {
    m_programs << program;
    MainThread::post([done = std::move(done), outcome = m_outcome] { done(outcome); });
}
