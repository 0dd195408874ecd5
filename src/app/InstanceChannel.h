// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Result.h"

#include <QObject>
#include <QString>

#include <sys/types.h>
#include <unistd.h>

class QLocalServer;
class QLocalSocket;

namespace yomiwa::app {

// A second start with a file hands the file to the Yomiwa already running on the same
// AppFolder, over a local socket named after that folder, in a folder only the user can
// enter: the user's runtime folder, or else `.yomiwa-run/` in AppFolder. Empty where there is
// neither: then there is no hand-over.
QString ChannelName(const QString& appFolder);

// The running side. One request per connection: the length of the path's bytes as four bytes,
// most significant first, then the bytes as QFile::encodeName gives them. A request that is
// whole and names an absolute path is answered "OK" at once, so that the second process can
// end; FileRequested follows from the event loop, never from inside the socket's handler, so
// whatever it shows may run an event loop of its own. Anything else closes the connection.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);
    // The failure is one line for stderr; the program then works alone. Only the holder of
    // the folder's lock listens, so a socket left behind by a process that died is replaced.
    Status Listen(const QString& name);

signals:
    void FileRequested(const QString& path);

private:
    void Serve();
    void Read(QLocalSocket* socket);

    QLocalServer* m_server;
    int m_serving = 0;
};

// The second start: true once the running Yomiwa has accepted `path`; false when none that
// runs as `listener` answers on `name` within `timeoutMs` (nothing is sent to another user's
// listener).
bool HandOver(const QString& name, const QString& path, int timeoutMs, uid_t listener = ::getuid());

} // namespace yomiwa::app
