#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

/// Serves events until `done` or a generous deadline; the caller checks the answer. Objects
/// handed to deleteLater() go too, as they would in the program's event loop. (QTRY_* is no use
/// under GoogleTest: its time-out ends the test silently, as a pass.)
template <typename Pred>
bool waitUntil(Pred done, int ms = 20000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return done();
}

/// Collects what is logged while it lives.
class LogCapture {
  public:
    LogCapture() {
        s_lines.clear();
        m_previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& m) { s_lines << m; });
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    const QStringList& lines() const { return s_lines; }

  private:
    static inline QStringList s_lines;
    QtMessageHandler m_previous;
};
