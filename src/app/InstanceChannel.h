#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace yomiwa::app {

// A second start with a file hands the file to the Yomiwa already running on the same
// AppFolder, over a local socket named after that folder.
QString ChannelName(const QString& appFolder);

// The running side: one request per connection, a path in UTF-8 ended by a newline,
// answered "OK" at once so that the second process can end before the file is opened.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);
    // Only the holder of the folder's lock listens, so a socket left behind by a process
    // that died is replaced.
    bool Listen(const QString& name);

signals:
    void FileRequested(const QString& path);

private:
    void Serve();
    QLocalServer* m_server;
};

// The second start: true once the running Yomiwa has accepted `path`; false when none
// answers on `name` within `timeoutMs`.
bool HandOver(const QString& name, const QString& path, int timeoutMs);

} // namespace yomiwa::app
