#pragma once

#include <QList>
#include <QString>

/// A legacy alert: a message, a default and an alternate button, an informative text.
struct AlertSpec {
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
    virtual int runModal(const AlertSpec& alert) = 0;
};

/// Asks on the terminal (standard error and standard input); with `assumeYes` answers the default
/// button without asking. At the end of input the alternate button is the answer.
class ConsoleAlerts : public Alerts {
public:
    explicit ConsoleAlerts(bool assumeYes) : m_assumeYes(assumeYes) {}
    int runModal(const AlertSpec& alert) override;

private:
    bool m_assumeYes;
};

/// Answers from a script and records what was asked; when the script runs out it answers
/// `fallback`. For tests and for the snapshot mode, where nothing may wait for a person.
class ScriptedAlerts : public Alerts {
public:
    explicit ScriptedAlerts(int fallback = Alerts::Default) : m_fallback(fallback) {}
    void setNextAnswers(const QList<int>& answers) { m_answers = answers; }
    int runModal(const AlertSpec& alert) override;
    const QList<AlertSpec>& asked() const { return m_asked; }
    void clear() { m_asked.clear(); }

private:
    int m_fallback;
    QList<int> m_answers;
    QList<AlertSpec> m_asked;
};
