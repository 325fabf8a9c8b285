#pragma once
// A raw print port: every TCP connection is one job, its bytes up to the sender's end of
// stream. Nothing is ever answered. Jobs are handed on one at a time, in the order they
// end, and the connection is closed only after the handler returned, so that a sender
// which waits for the close knows its job was dealt with. Built on Qt Network alone,
// it runs in the thread's event loop on every platform.

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace zozavud {

struct ListenerLimits {
    qint64 MaxJobBytes = 1 << 20;
    int IdleTimeoutMs = 10000;  // with no byte arriving
    int JobTimeoutMs = 60000;   // from when its reading starts, however steadily bytes come
    int MaxConnections = 8;     // read at once; more wait, accepted but unread, until one ends
    int MaxWaiting = 1024;      // past that a connection is refused at once
};

struct ReceivedJob {
    enum class End { Complete, TooLarge, Idle, TimedOut, Refused, ReadFailed, Stopped };
    QString Peer;  // address:port
    QByteArray Bytes;
    End Ending = End::Complete;
    QString Detail;  // why it did not end by itself
};

// address:port, an IPv6 address in brackets.
QString EndpointText(const QHostAddress& address, quint16 port);

class JobListener : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const ReceivedJob& job)>;
    JobListener(ListenerLimits limits, Handler handler, QObject* parent = nullptr);
    ~JobListener() override;

    // False with the system's reason (a port in use, an address not on this host).
    bool Listen(const QHostAddress& address, quint16 port, QString* error);
    quint16 Port() const;
    // Ends every open connection as Stopped, closes the waiting ones unread and listens
    // no more.
    void Stop();

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zozavud
