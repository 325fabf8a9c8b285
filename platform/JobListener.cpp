#include "JobListener.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <deque>
#include <list>

#include "ConnectionHandles.h"

namespace zozavud {

QString EndpointText(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol ? '[' + address.toString() + ']'
                                                                             : address.toString();
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

namespace {

// After the system ran out of handles, accepting is tried again this much later.
constexpr int AcceptRetryMs = 100;

// Hands each accepted descriptor on as it is: a connection past the cap waits unread.
class RawServer : public QTcpServer {
public:
    std::function<void(qintptr descriptor)> Accepted;

protected:
    void incomingConnection(qintptr descriptor) override { Accepted(descriptor); }
};

QString PeerOf(const QTcpSocket& socket) { return EndpointText(socket.peerAddress(), socket.peerPort()); }

}  // namespace

class JobListener::Impl {
public:
    struct Connection {
        QTcpSocket* Socket = nullptr;  // owns both timers
        std::intptr_t Hold = -1;       // keeps the connection open past the socket's own close
        QTimer* Idle = nullptr;
        QTimer* Deadline = nullptr;
        ReceivedJob Job;
    };
    using Iterator = std::list<Connection>::iterator;

    Impl(JobListener* owner, ListenerLimits limits, Handler handler)
        : owner_(owner), limits_(limits), handler_(std::move(handler)) {
        server_.Accepted = [this](qintptr descriptor) { Accept(descriptor); };
        // Room in the system's queue for every connection that may be served or wait, so
        // that a burst is never turned away before it could be logged.
        server_.setListenBacklogSize(limits_.MaxConnections + limits_.MaxWaiting);
        // Qt stops accepting when no handle is left; one is free again once a job ends.
        QObject::connect(&server_, &QTcpServer::acceptError, &server_, [this] {
            QTimer::singleShot(AcceptRetryMs, &server_, [this] {
                if (server_.isListening()) server_.resumeAccepting();
            });
        });
    }
    ~Impl() { Stop(); }

    bool Listen(const QHostAddress& address, quint16 port, QString* error) {
        if (server_.listen(address, port)) return true;
        if (error) *error = server_.errorString();
        return false;
    }
    quint16 Port() const { return server_.serverPort(); }

    void Stop() {
        server_.close();
        for (const qintptr descriptor : waiting_) CloseConnection(descriptor);  // never read
        waiting_.clear();
        while (!open_.empty()) Finish(open_.begin(), ReceivedJob::End::Stopped, "the emulator stopped");
    }

private:
    // Served while there is room, else kept unread in the order they came, else refused:
    // the server takes all that the system's queue holds at once.
    void Accept(qintptr descriptor) {
        if (static_cast<int>(open_.size()) < limits_.MaxConnections) return Serve(descriptor);
        if (static_cast<int>(waiting_.size()) < limits_.MaxWaiting) return waiting_.push_back(descriptor);
        QTcpSocket socket;
        ReceivedJob job;
        job.Ending = ReceivedJob::End::Refused;
        job.Detail = QStringLiteral("already %1 connection(s) served and %2 waiting")
                         .arg(open_.size())
                         .arg(waiting_.size());
        const bool wrapped = socket.setSocketDescriptor(descriptor);
        if (!wrapped) CloseConnection(descriptor);
        job.Peer = wrapped ? PeerOf(socket) : QStringLiteral("unknown");
        handler_(job);
        socket.abort();
    }

    void Serve(qintptr descriptor) {
        auto* socket = new QTcpSocket(owner_);
        if (!socket->setSocketDescriptor(descriptor)) {
            CloseConnection(descriptor);
            handler_({"unknown", {}, ReceivedJob::End::ReadFailed, socket->errorString()});
            socket->deleteLater();
            return;
        }
        open_.emplace_back();
        const Iterator connection = std::prev(open_.end());
        connection->Socket = socket;
        connection->Hold = DuplicateConnection(descriptor);
        connection->Job.Peer = PeerOf(*socket);
        socket->setReadBufferSize(limits_.MaxJobBytes + 1);
        connection->Idle =
            Limit(connection, limits_.IdleTimeoutMs, ReceivedJob::End::Idle, "no byte for %1 s");
        connection->Deadline =
            Limit(connection, limits_.JobTimeoutMs, ReceivedJob::End::TimedOut, "not done within %1 s");
        QObject::connect(socket, &QTcpSocket::readyRead, owner_, [this, connection] { Read(connection); });
        // Qt reads a reset as the end of stream too; every other failure is one.
        QObject::connect(socket, &QTcpSocket::disconnected, owner_,
                         [this, connection] { Finish(connection, ReceivedJob::End::Complete, {}); });
        QObject::connect(socket, &QTcpSocket::errorOccurred, owner_,
                         [this, connection](QAbstractSocket::SocketError error) {
                             if (error != QAbstractSocket::RemoteHostClosedError)
                                 Finish(connection, ReceivedJob::End::ReadFailed,
                                        connection->Socket->errorString());
                         });
    }

    QTimer* Limit(Iterator connection, int ms, ReceivedJob::End ending, const char* detail) {
        auto* timer = new QTimer(connection->Socket);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, owner_, [this, connection, ending, detail, ms] {
            Finish(connection, ending, QString::fromLatin1(detail).arg(ms / 1000.0));
        });
        timer->start(ms);
        return timer;
    }

    void Read(Iterator connection) {
        QByteArray& bytes = connection->Job.Bytes;
        bytes += connection->Socket->readAll();
        if (bytes.size() > limits_.MaxJobBytes)
            return Finish(connection, ReceivedJob::End::TooLarge,
                          QStringLiteral("more than %1 bytes").arg(limits_.MaxJobBytes));
        connection->Idle->start(limits_.IdleTimeoutMs);
    }

    void Finish(Iterator connection, ReceivedJob::End ending, const QString& detail) {
        QTcpSocket* socket = connection->Socket;
        for (QObject* sender : {static_cast<QObject*>(socket), static_cast<QObject*>(connection->Idle),
                                static_cast<QObject*>(connection->Deadline)})
            QObject::disconnect(sender, nullptr, owner_, nullptr);
        connection->Idle->stop();
        connection->Deadline->stop();
        connection->Job.Ending = ending;
        connection->Job.Detail = detail;
        handler_(connection->Job);
        socket->abort();
        CloseConnection(connection->Hold);
        socket->deleteLater();
        open_.erase(connection);
        while (!waiting_.empty() && static_cast<int>(open_.size()) < limits_.MaxConnections) {
            const qintptr next = waiting_.front();
            waiting_.pop_front();
            Serve(next);
        }
    }

    JobListener* owner_;
    ListenerLimits limits_;
    Handler handler_;
    RawServer server_;
    std::list<Connection> open_;
    std::deque<qintptr> waiting_;
};

JobListener::JobListener(ListenerLimits limits, Handler handler, QObject* parent)
    : QObject(parent), impl_(std::make_unique<Impl>(this, limits, std::move(handler))) {}

JobListener::~JobListener() = default;

bool JobListener::Listen(const QHostAddress& address, quint16 port, QString* error) {
    return impl_->Listen(address, port, error);
}

quint16 JobListener::Port() const { return impl_->Port(); }

void JobListener::Stop() { impl_->Stop(); }

}  // namespace zozavud
