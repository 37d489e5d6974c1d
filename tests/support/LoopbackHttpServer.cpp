#include "LoopbackHttpServer.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTcpSocket>
#include <memory>

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
        socket->write(head);
        sendChunked(socket, r.chunkedLength);
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

void LoopbackHttpServer::sendChunked(QTcpSocket* socket, qint64 length) {
    static constexpr qint64 kChunk = 64 * 1024;
    auto left = std::make_shared<qint64>(length);
    auto feed = [this, socket, left] {
        // Topped up only while little is waiting, so what was handed over is close to what left.
        while (*left > 0 && socket->state() == QAbstractSocket::ConnectedState &&
               socket->bytesToWrite() < kChunk) {
            const qint64 n = std::min(kChunk, *left);
            socket->write(QByteArray::number(n, 16) + "\r\n" + QByteArray(n, 'x') + "\r\n");
            *left -= n;
            m_chunkedSent += n;
        }
        if (*left == 0) {
            *left = -1;
            socket->write("0\r\n\r\n");
            socket->disconnectFromHost();
        }
    };
    connect(socket, &QTcpSocket::bytesWritten, this, feed);
    connect(socket, &QTcpSocket::disconnected, this, [this, left] {
        if (*left > 0) ++m_chunkedCut;
    });
    feed();
}
