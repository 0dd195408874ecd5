// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

#include <optional>

#include <sys/socket.h>
#include <sys/stat.h>

namespace yomiwa::app {

using namespace Qt::Literals::StringLiterals;

namespace {
const QByteArray Accepted = "OK\n";
constexpr qsizetype LengthBytes = 4;
// No path is longer than PATH_MAX.
constexpr quint32 MaxPathBytes = 4096;
// The longest path a local socket can have (sun_path, less its ending zero).
constexpr qsizetype MaxSocketPathBytes = 107;
// Requests served at once, and accepted connections waiting: a flood of connections is
// closed at once instead of using up the program's file descriptors, which would make the
// next accept fail, and Qt close the server for good.
constexpr int MaxConnections = 8;
// A client that connects and says nothing does not hold its connection for ever.
constexpr int RequestTimeoutMs = 3000;

std::optional<uid_t> PeerUid(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return std::nullopt;
    return peer.uid;
}

// `.yomiwa-run/` in AppFolder, made if missing; empty unless it is a folder (not a link)
// of this user that no one else may enter.
QString PrivateFolderIn(const QString& appFolder) {
    QString folder = QDir(appFolder).filePath(u".yomiwa-run"_s);
    const QByteArray name = QFile::encodeName(folder);
    ::mkdir(name.constData(), 0700);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 07777) != 0700)
        return {};
    return folder;
}

bool Fits(const QString& socketPath) {
    return QFile::encodeName(socketPath).size() <= MaxSocketPathBytes;
}

// One line for stderr: the program then works alone.
Status ListenFailure(const QString& what) {
    return Status::Failure(ErrorKind::CannotWrite,
                           u"yomiwa: "_s + what +
                               u"後から起動した yomiwa が渡す句集は開きません。"_s);
}
} // namespace

QString ChannelName(const QString& appFolder) {
    const QString canonical = QFileInfo(appFolder).canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? appFolder : canonical).toUtf8();
    const QString name =
        u"yomiwa-"_s +
        QString::fromLatin1(
            QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
    // Qt makes the runtime folder 0700 and refuses one owned by another user.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && Fits(runtime + u'/' + name))
        return runtime + u'/' + name;
    const QString own = PrivateFolderIn(appFolder);
    if (!own.isEmpty() && Fits(own + u'/' + name))
        return own + u'/' + name;
    return {};
}

InstanceServer::InstanceServer(QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->setMaxPendingConnections(MaxConnections);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::Serve);
}

Status InstanceServer::Listen(const QString& name) {
    if (name.isEmpty())
        return ListenFailure(u"句集を受け渡すソケットを、自分だけが入れるフォルダに置けません。"_s);
    // A socket of this user left by a process that died; never anything else.
    struct stat st {};
    const QByteArray path = QFile::encodeName(name);
    if (::lstat(path.constData(), &st) == 0 && S_ISSOCK(st.st_mode) && st.st_uid == ::getuid())
        QFile::remove(name);
    if (!m_server->listen(name))
        return ListenFailure(u"句集を受け渡すソケット「"_s + name + u"」を開けません（"_s +
                             m_server->errorString() + u"）。"_s);
    return {};
}

void InstanceServer::Serve() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (m_serving >= MaxConnections || PeerUid(*socket) != ::getuid()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        ++m_serving;
        connect(socket, &QObject::destroyed, this, [this] { --m_serving; });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        QTimer::singleShot(RequestTimeoutMs, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
    }
}

void InstanceServer::Read(QLocalSocket* socket) {
    const qint64 available = socket->bytesAvailable();
    if (available < LengthBytes)
        return;
    const quint32 length = qFromBigEndian<quint32>(socket->peek(LengthBytes).constData());
    const bool sized = length > 0 && length <= MaxPathBytes;
    if (sized && available < LengthBytes + length)
        return; // the rest is on its way
    const QByteArray bytes = socket->read(available).mid(LengthBytes);
    const QString path = QFile::decodeName(bytes);
    if (!sized || available != LengthBytes + length || bytes.contains('\0') ||
        !QDir::isAbsolutePath(path)) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    // Answered before the open, which may take longer than the second start waits.
    socket->write(Accepted);
    socket->flush();
    socket->disconnectFromServer();
    // The open may show a message box: run it once this handler has returned.
    QMetaObject::invokeMethod(
        this, [this, path] { emit FileRequested(path); }, Qt::QueuedConnection);
}

bool HandOver(const QString& name, const QString& path, int timeoutMs, uid_t listener) {
    const QByteArray bytes = QFile::encodeName(path);
    if (name.isEmpty() || bytes.isEmpty() || bytes.size() > qsizetype(MaxPathBytes))
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    // Another user's listener would learn every path this user opens.
    if (PeerUid(socket) != listener)
        return false;
    QByteArray message(LengthBytes, '\0');
    qToBigEndian(quint32(bytes.size()), message.data());
    socket.write(message + bytes);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (socket.bytesAvailable() < Accepted.size()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.readAll() == Accepted;
}

} // namespace yomiwa::app
