#include "LoopbackHttpServer.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <cerrno>

namespace {

QByteArray reason(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
    }
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QObject(parent) {
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        }
    });
}

bool LoopbackHttpServer::listen(quint16 port) {
    return m_server.listen(QHostAddress::LocalHost, port);
}

QUrl LoopbackHttpServer::url(const QString& path) const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path));
}

LoopbackHttpServer::Response LoopbackHttpServer::redirect(const QString& location, int status) {
    Response r;
    r.status = status;
    r.contentType = "text/html";
    r.headers.append({"Location", location.toUtf8()});
    return r;
}

void LoopbackHttpServer::answer(QTcpSocket* socket) {
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n") || socket->property("answered").toBool()) return;
    socket->setProperty("answered", true);
    const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = line.size() >= 2 ? QString::fromUtf8(line[1]) : QString();
    m_requests.append(path);

    Response r;
    if (m_responses.contains(path)) {
        r = m_responses.value(path);
    } else {
        QFile file(m_folder.isEmpty() || path.contains(QLatin1String(".."))
                       ? QString()
                       : QDir(m_folder).filePath(path.mid(1)));
        if (!m_folder.isEmpty() && file.open(QIODevice::ReadOnly)) {
            r.body = file.readAll();
        } else {
            r.status = 404;
            r.contentType = "text/html";
            r.body = "<html><body><h1>404 Not Found</h1></body></html>";
        }
    }
    if (r.silent) return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + reason(r.status) + "\r\n";
    head += "Content-Type: " + r.contentType + "\r\n";
    if (r.chunkedLength >= 0) {
        head += "Transfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
        sendChunked(socket, head, r.chunkedLength);
        return;
    }
    head +=
        "Content-Length: " + QByteArray::number(r.declaredLength >= 0 ? r.declaredLength : r.body.size()) +
        "\r\n";
    for (const auto& [name, value] : r.headers) head += name + ": " + value + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head + r.body);
    socket->disconnectFromHost();
}

LoopbackHttpServer::~LoopbackHttpServer() {
    for (std::thread& writer : m_writers) writer.join();
}

void LoopbackHttpServer::sendChunked(QTcpSocket* socket, const QByteArray& head, qint64 length) {
    // A descriptor of its own, written on a thread of its own as fast as the connection takes it:
    // a server that never waits for the client's event loop.
    const int fd = ::dup(int(socket->socketDescriptor()));
    if (fd < 0) return;
    m_writers.emplace_back([this, fd, head, length] {
        constexpr qint64 kChunk = 64 * 1024;
        auto sendAll = [fd](const char* data, qint64 size) {
            while (size > 0) {
                pollfd ready{fd, POLLOUT, 0};
                if (::poll(&ready, 1, 10000) <= 0) return false;
                const ssize_t n = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
                if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
                if (n <= 0) return false;
                data += n;
                size -= n;
            }
            return true;
        };
        auto chunk = [](qint64 n) {
            return QByteArray::number(n, 16) + "\r\n" + QByteArray(n, 'x') + "\r\n";
        };
        const QByteArray full = chunk(kChunk);
        bool ok = sendAll(head.constData(), head.size());
        for (qint64 left = length; ok && left > 0;) {
            const qint64 n = std::min(kChunk, left);
            const QByteArray piece = n == kChunk ? full : chunk(n);
            ok = sendAll(piece.constData(), piece.size());
            if (ok) {
                left -= n;
                m_chunkedSent += n;
            }
        }
        if (ok) ok = sendAll("0\r\n\r\n", 5);
        if (!ok) ++m_chunkedCut;
        ::shutdown(fd, SHUT_WR);
        ::close(fd);
    });
}
