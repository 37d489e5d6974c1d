#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QTcpServer>
#include <QUrl>
#include <atomic>
#include <thread>
#include <vector>

/// A small HTTP/1.1 server on 127.0.0.1 for tests and the demo: each path answers with a scripted
/// response (or a file of a folder), one request per connection. Runs on the caller's event loop.
class LoopbackHttpServer : public QObject {
    Q_OBJECT
  public:
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/xml";
        QList<QPair<QByteArray, QByteArray>> headers;
        qint64 declaredLength = -1;  ///< a Content-Length other than the body's (a body cut short)
        bool silent = false;         ///< read the request and never answer
        /// Sent chunked instead of `body`: this many bytes of filler, written from a thread of its
        /// own as fast as the connection takes them, until the client goes away.
        qint64 chunkedLength = -1;
    };

    explicit LoopbackHttpServer(QObject* parent = nullptr);
    /// Waits for the chunked answers still being written.
    ~LoopbackHttpServer() override;
    /// Listens on 127.0.0.1 (`port` 0: any free one); false when it can't.
    bool listen(quint16 port = 0);
    quint16 port() const { return m_server.serverPort(); }
    QUrl url(const QString& path) const;

    void setResponse(const QString& path, const Response& response) { m_responses.insert(path, response); }
    /// Paths not scripted are looked up as files under `folder`.
    void serveFolder(const QString& folder) { m_folder = folder; }
    static Response redirect(const QString& location, int status = 302);

    /// Requests seen per path, in order.
    const QStringList& requests() const { return m_requests; }
    /// Body bytes of chunked answers the connections took so far.
    qint64 chunkedBytesSent() const { return m_chunkedSent; }
    /// Chunked answers whose connection ended before their last chunk.
    int chunkedCutShort() const { return m_chunkedCut; }

  private:
    void answer(class QTcpSocket* socket);
    void sendChunked(class QTcpSocket* socket, const QByteArray& head, qint64 length);

    QTcpServer m_server;
    QHash<QString, Response> m_responses;
    QString m_folder;
    QStringList m_requests;
    std::atomic<qint64> m_chunkedSent = 0;
    std::atomic<int> m_chunkedCut = 0;
    std::vector<std::thread> m_writers;
};
