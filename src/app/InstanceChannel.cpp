#include "app/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace yomiwa::app {

using namespace Qt::Literals::StringLiterals;

namespace {
const QByteArray Accepted = "OK\n";
// A path longer than this is no path: the connection is dropped.
constexpr qint64 MaxRequest = 64 * 1024;
// A client that connects and says nothing does not hold its connection for ever.
constexpr int RequestTimeoutMs = 3000;
} // namespace

QString ChannelName(const QString& appFolder) {
    const QString canonical = QFileInfo(appFolder).canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? appFolder : canonical).toUtf8();
    const QString name =
        u"yomiwa-"_s +
        QString::fromLatin1(
            QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
    // The user's own runtime folder where there is one; Qt's temporary folder otherwise.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.isEmpty() ? name : runtime + u'/' + name;
}

InstanceServer::InstanceServer(QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this)) {
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::Serve);
}

bool InstanceServer::Listen(const QString& name) {
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void InstanceServer::Serve() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(RequestTimeoutMs, socket, &QLocalSocket::abort);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxRequest)
                    socket->abort();
                return;
            }
            const QString path = QString::fromUtf8(socket->readLine(MaxRequest).chopped(1));
            socket->write(Accepted);
            socket->disconnectFromServer();
            if (!path.isEmpty())
                emit FileRequested(path);
        });
    }
}

bool HandOver(const QString& name, const QString& path, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.readLine() == Accepted;
}

} // namespace yomiwa::app
