#pragma once

#include <QList>
#include <QObject>

#include "Authorization.h"

class QProcess;

/// Runs `pkexec <program>`: polkit asks for an administrator's password and pkexec runs the
/// program as root with PKEXEC_UID naming the user. pkexec answers 126 or 127 when the prompt was
/// dismissed or the rights were refused; the helper never exits with those codes itself.
class PkexecAuthorization : public QObject, public Authorization {
    Q_OBJECT
  public:
    explicit PkexecAuthorization(QString pkexecProgram = QStringLiteral("/usr/bin/pkexec"),
                                 QObject* parent = nullptr);
    /// A program still running is left to run; its outcome is no longer reported.
    ~PkexecAuthorization() override;

  protected:
    void start(const QString& program, const QStringList& arguments, Done done) override;

  private:
    void finish(QProcess* process, const Done& done, Outcome outcome);

    QString m_pkexec;
    QList<QProcess*> m_running;
};
