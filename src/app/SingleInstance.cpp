#include "SingleInstance.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>

namespace {
// A request is small; anything longer is not from Corvane.
constexpr qint64 kMaxRequest = 1 << 20;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

// Only a socket of our own is talked to: in a shared temporary folder another account could
// have put one there first.
bool ownSocket(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return false;
    return S_ISSOCK(st.st_mode) && st.st_uid == ::getuid();
}
}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), m_path(std::move(socketPath)) {}

SingleInstance::~SingleInstance() {
    if (m_server) m_server->close();
}

QString SingleInstance::standardSocketPath() {
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::tempPath();
    QCryptographicHash key(QCryptographicHash::Sha256);
    key.addData(qgetenv("CORVANE_ROOT"));
    key.addData(QByteArray(1, '\0'));
    key.addData(qgetenv("XDG_CONFIG_HOME"));
    return folder + QStringLiteral("/corvane-%1-%2")
                        .arg(::getuid())
                        .arg(QString::fromLatin1(key.result().toHex().left(12)));
}

bool SingleInstance::sendToRunning(const QString& command, const QStringList& arguments, int timeoutMs) {
    if (!ownSocket(m_path)) return false;
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(timeoutMs)) return false;
    // Length-prefixed and in UTF-16 as it stands, so any file name arrives whole: one with a newline,
    // or the lossless text of one that is not UTF-8.
    QByteArray body;
    QDataStream fields(&body, QIODevice::WriteOnly);
    fields.setVersion(kStreamVersion);
    fields << command << arguments;
    if (body.size() > kMaxRequest) return false;
    QByteArray request;
    QDataStream framed(&request, QIODevice::WriteOnly);
    framed.setVersion(kStreamVersion);
    framed << body;
    socket.write(request);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    // The running instance answers once it has taken the request.
    return socket.waitForReadyRead(timeoutMs) && socket.readAll().startsWith("ok");
}

bool SingleInstance::listen() {
    if (m_server) return true;
    // Nobody answered on the socket: it is left from an instance that ended without closing it.
    // Anything else there stays (the server would rename its socket over it).
    struct stat st {};
    if (::lstat(QFile::encodeName(m_path).constData(), &st) == 0) {
        if (!ownSocket(m_path)) return false;
        QLocalServer::removeServer(m_path);
    }
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_path)) {
        delete server;
        return false;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::readRequest);
    return true;
}

void SingleInstance::readRequest() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            // A length, then the request: wait until all of it is there.
            const QByteArray head = socket->peek(4);
            if (head.size() < 4) return;
            const quint32 length = qFromBigEndian<quint32>(head.constData());
            if (length > kMaxRequest) {
                socket->abort();
                return;
            }
            if (socket->bytesAvailable() < 4 + qint64(length)) return;
            socket->skip(4);
            QDataStream fields(socket->read(length));
            fields.setVersion(kStreamVersion);
            QString command;
            QStringList arguments;
            fields >> command >> arguments;
            if (fields.status() != QDataStream::Ok || !fields.atEnd() || command.isEmpty()) {
                socket->abort();
                return;
            }
            socket->write("ok\n");
            socket->flush();
            Q_EMIT requested(command, arguments);
        });
    }
}
