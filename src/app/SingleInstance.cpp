#include "SingleInstance.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QtEndian>
#include <algorithm>
#include <cerrno>

#include "core/fs/FsName.h"
#include "core/fs/OpenFolder.h"

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

// A folder no other account can put anything into or take anything from.
bool isPrivate(const struct stat& st) {
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 07777) == 0700;
}

// sun_path holds 108 bytes with its NUL.
constexpr qsizetype kMaxSocketPath = 107;
}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), m_path(std::move(socketPath)) {}

SingleInstance::~SingleInstance() {
    if (m_server) m_server->close();
}

QString SingleInstance::privateFolderIn(const QString& base) {
    const OpenFolder folder = OpenFolder::openChosen(base);
    if (!folder.isOpen()) return QString();
    const QByteArray name = "corvane-" + QByteArray::number(::getuid());
    auto usable = [&](const QByteArray& entry) {
        const auto st = folder.entry(entry);
        return st && isPrivate(*st);
    };
    if (!folder.has(name)) folder.makeFolder(name, 0700);
    if (usable(name)) return folder.pathOf(name);
    // The plain name is taken by something that is not ours: the first private folder of the
    // fallback names, which no other account can make, so every launch finds the same one.
    QList<QByteArray> fallbacks;
    for (const QByteArray& entry : folder.names())
        if (entry.startsWith(name + '.')) fallbacks << entry;
    std::sort(fallbacks.begin(), fallbacks.end());
    for (const QByteArray& entry : std::as_const(fallbacks))
        if (usable(entry)) return folder.pathOf(entry);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QByteArray fresh =
            name + '.' + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
        int error = 0;
        if (folder.makeFolder(fresh, 0700, &error)) return usable(fresh) ? folder.pathOf(fresh) : QString();
        if (error != EEXIST) break;
    }
    return QString();
}

QString SingleInstance::standardSocketPath() {
    QCryptographicHash key(QCryptographicHash::Sha256);
    key.addData(qgetenv("CORVANE_ROOT"));
    key.addData(QByteArray(1, '\0'));
    key.addData(qgetenv("XDG_CONFIG_HOME"));
    const QString name = QStringLiteral("/corvane-%1-%2")
                             .arg(::getuid())
                             .arg(QString::fromLatin1(key.result().toHex().left(12)));
    // The runtime folder is the user's own (the login session made it, mode 0700); one that is not
    // is not used.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat st {};
    if (!runtime.isEmpty() && ::stat(QFile::encodeName(runtime).constData(), &st) == 0 && isPrivate(st) &&
        FsName::toBytes(runtime + name).size() <= kMaxSocketPath)
        return runtime + name;
    // A fixed path in the shared temporary folder could be taken by any account first.
    for (const QString& base : {QDir::tempPath(), QStringLiteral("/tmp")}) {
        const QString folder = privateFolderIn(base);
        if (!folder.isEmpty() && FsName::toBytes(folder + name).size() <= kMaxSocketPath)
            return folder + name;
    }
    return QString();
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
