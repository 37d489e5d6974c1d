#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

/// One Corvane per account and sandbox: a later launch hands its request to the running one over a
/// local socket in the user's runtime folder and quits. A request is a command ("show",
/// "quick-view", "empty-trash", "erase") and its arguments, sent whole with its length first.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    /// `socketPath`: where the running instance listens.
    explicit SingleInstance(QString socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    /// The socket of this account, one per sandbox root and settings folder so demos and tests
    /// never reach the user's own Corvane. It lies in the user's runtime folder when that is a
    /// private one, else in privateFolderIn() of the temporary folder; empty when neither exists.
    static QString standardSocketPath();
    /// A folder of `base` that only this account can use: "corvane-<uid>", made with mode 0700 when
    /// missing and taken only when it is a real folder (not a link) of this account with mode 0700.
    /// When something else holds that name (another account may have put anything there first), the
    /// first "corvane-<uid>.<suffix>" passing the same checks, or a fresh one. Launches that see the
    /// same folders pick the same one. Empty when no folder could be made.
    static QString privateFolderIn(const QString& base);

    /// Hands `command` to the running instance; false when none answers (nothing was delivered).
    bool sendToRunning(const QString& command, const QStringList& arguments = {}, int timeoutMs = 2000);
    /// Starts listening, replacing a socket no instance answers on any more.
    bool listen();

  Q_SIGNALS:
    void requested(const QString& command, const QStringList& arguments);

  private:
    void readRequest();

    QString m_path;
    QLocalServer* m_server = nullptr;
};
