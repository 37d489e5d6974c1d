#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

/// The update check: fetches the version document, compares its version with ours and says which
/// window should show. The windows themselves live on the widget side and follow the signals.
/// Main thread only; one request at a time (a new check aborts the running one).
class PRUpdateController : public QObject {
    Q_OBJECT
  public:
    /// How a check ended, for callers that need more than the windows (the command line).
    enum class Outcome { Newer, NotNewer, NoDocument, Failed };
    Q_ENUM(Outcome)

    /// `documentUrl` empty: the controller never asks anyone (snapshots, builds without the check).
    /// `bundleVersion` is the program's own version, which hidUpdateWindow copies to currentVersion.
    explicit PRUpdateController(QUrl documentUrl = {},
                                QString bundleVersion = QStringLiteral(CORVANE_VERSION),
                                QObject* parent = nullptr);
    ~PRUpdateController() override;

    /// Takes the program's version and hides the update window.
    void hidUpdateWindow();
    /// Starts a request for the version document; a running one is aborted first.
    void checkServerVersion();
    bool isChecking() const;

    /// True when `a` is a newer dotted version than `b`, comparing numbers component by component
    /// ("1.10" > "1.9", "2.0" > "1.9.9", "1.0" = "1.0.0"); text that is not a number counts as 0.
    static bool CompareOneString(const QString& a, const QString& b);

    // The connection's callbacks.
    void connection_didReceiveResponse(QNetworkReply* reply);
    void connection_didReceiveData(QNetworkReply* reply, const QByteArray& data);
    void connectionDidFinishLoading(QNetworkReply* reply);
    void connection_didFailWithError(QNetworkReply* reply, const QString& description,
                                     const QString& failingUrl);

    /// The update window's three texts.
    QString newVersionText() const;
    QString currentVersionText() const;
    QString whatsNewText() const;

    QUrl documentUrl() const { return m_documentUrl; }
    /// The body received so far of the running request.
    const QByteArray& receivedData() const { return m_receivedData; }
    /// Why the last check failed or found no document; empty otherwise.
    QString lastProblem() const { return m_problem; }
    /// How long a request may take before it counts as failed (30 s).
    void setTimeLimit(int ms) { m_timeLimitMs = ms; }

    /// The program's version, taken by hidUpdateWindow.
    QString currentVersion() const { return m_currentVersion; }
    /// What the last version document said (empty before one was read).
    QString lastestVersion() const { return m_lastestVersion; }
    QString whatsnewString() const { return m_whatsnewString; }
    /// Shows a published version without asking anyone (the snapshot mode's pictures).
    void setPublished(const QString& version, const QString& whatsNew) {
        m_lastestVersion = version;
        m_whatsnewString = whatsNew;
    }
    /// Once the user has asked for a check, a check that finds nothing newer says so; never set back.
    void setCheckUpdate() { m_checkUpdate = true; }
    bool checkUpdate() const { return m_checkUpdate; }

    /// The version document is small; anything larger is not one.
    static constexpr qsizetype MaxDocumentSize = 1024 * 1024;
    /// How much of the body the connection reads ahead of the check against the cap.
    static constexpr qint64 ReadBufferSize = 64 * 1024;

  Q_SIGNALS:
    void updateWindowHideRequested();
    /// A newer version is published: the update window shows the texts above.
    void updateWindowRequested();
    /// The user asked and nothing is newer.
    void noUpdateWindowRequested();
    /// Once per check that runs to its end (a check replaced by a newer one has none).
    void checkFinished(PRUpdateController::Outcome outcome);

  private:
    void release();
    void fail(QNetworkReply* reply, const QString& description);
    void failTooLarge(QNetworkReply* reply);

    QUrl m_documentUrl;
    QString m_bundleVersion;
    QNetworkAccessManager* m_nam = nullptr;
    QPointer<QNetworkReply> m_connect;
    QByteArray m_receivedData;
    QTimer* m_deadline = nullptr;
    int m_timeLimitMs = 30000;
    QString m_problem;
    QString m_abortReason;
    QString m_currentVersion;
    QString m_lastestVersion;
    QString m_whatsnewString;
    bool m_checkUpdate = false;
};
