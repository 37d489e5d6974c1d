#pragma once

#include <QList>
#include <QString>

/// A legacy alert: a message, a default and an alternate button, an informative text.
struct AlertRequest {
    QString message;
    QString defaultButton;
    QString alternateButton;  // empty: the alert has one button
    QString informativeText;
};

/// Shows alerts and waits for the answer: 1 for the default button, 0 for the alternate.
/// Call on the main thread (workers go through MainThread::runAndWait).
class Alerts {
  public:
    static constexpr int Default = 1;
    static constexpr int Alternate = 0;
    virtual ~Alerts() = default;
    virtual int runModal(const AlertRequest& alert) = 0;
};

/// Asks on the terminal (standard error and standard input); with `assumeYes` answers the default
/// button without asking. At the end of input the alternate button is the answer.
class ConsoleAlerts : public Alerts {
  public:
    explicit ConsoleAlerts(bool assumeYes) : m_assumeYes(assumeYes) {}
    int runModal(const AlertRequest& alert) override;

  private:
    bool m_assumeYes;
};
