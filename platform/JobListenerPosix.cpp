#include "JobListener.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <deque>
#include <list>

namespace zozavud {

namespace {

QString PeerOf(int fd) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) return "unknown";
    const QHostAddress host(reinterpret_cast<const sockaddr*>(&address));
    const quint16 port =
        ntohs(address.ss_family == AF_INET6 ? reinterpret_cast<const sockaddr_in6&>(address).sin6_port
                                            : reinterpret_cast<const sockaddr_in&>(address).sin_port);
    const QString text =
        host.protocol() == QAbstractSocket::IPv6Protocol ? '[' + host.toString() + ']' : host.toString();
    return QStringLiteral("%1:%2").arg(text).arg(port);
}

// Hands each accepted descriptor on instead of wrapping it in a socket object: the
// connection must stay open until its job has been dealt with.
class RawServer : public QTcpServer {
public:
    std::function<void(int fd)> Accepted;

protected:
    void incomingConnection(qintptr fd) override { Accepted(static_cast<int>(fd)); }
};

}  // namespace

class JobListener::Impl {
public:
    struct Connection {
        int Fd = -1;
        ReceivedJob Job;
        QSocketNotifier* Readable = nullptr;
        QTimer* Idle = nullptr;
    };

    Impl(JobListener* owner, ListenerLimits limits, Handler handler)
        : owner_(owner), limits_(limits), handler_(std::move(handler)) {
        server_.Accepted = [this](int fd) { Accept(fd); };
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
        for (const int fd : waiting_) ::close(fd);  // never read: their senders see the close
        waiting_.clear();
        while (!open_.empty()) Finish(open_.begin(), ReceivedJob::End::Stopped, "the emulator stopped");
    }

private:
    using Iterator = std::list<Connection>::iterator;

    // Past the cap a connection waits, unread, until one ends: the server accepts all that
    // the backlog holds at once, and losing them would lose jobs.
    void Accept(int fd) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        if (static_cast<int>(open_.size()) >= limits_.MaxConnections) {
            waiting_.push_back(fd);
            server_.pauseAccepting();
            return;
        }
        Serve(fd);
    }

    void Serve(int fd) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        open_.emplace_back();
        const Iterator connection = std::prev(open_.end());
        connection->Fd = fd;
        connection->Job.Peer = PeerOf(fd);
        connection->Readable = new QSocketNotifier(fd, QSocketNotifier::Read, owner_);
        connection->Idle = new QTimer(owner_);
        connection->Idle->setSingleShot(true);
        QObject::connect(connection->Readable, &QSocketNotifier::activated, owner_,
                         [this, connection] { Read(connection); });
        QObject::connect(connection->Idle, &QTimer::timeout, owner_, [this, connection] {
            Finish(connection, ReceivedJob::End::Idle,
                   QStringLiteral("no byte for %1 s").arg(limits_.IdleTimeoutMs / 1000.0));
        });
        connection->Idle->start(limits_.IdleTimeoutMs);
        if (static_cast<int>(open_.size()) >= limits_.MaxConnections) server_.pauseAccepting();
    }

    void Read(Iterator connection) {
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::recv(connection->Fd, buffer, sizeof buffer, 0);
            if (got == 0) return Finish(connection, ReceivedJob::End::Complete, {});
            if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return Finish(connection, ReceivedJob::End::ReadFailed, std::strerror(errno));
            QByteArray& bytes = connection->Job.Bytes;
            if (bytes.size() + got > limits_.MaxJobBytes)
                return Finish(connection, ReceivedJob::End::TooLarge,
                              QStringLiteral("more than %1 bytes").arg(limits_.MaxJobBytes));
            bytes.append(buffer, got);
        }
        connection->Idle->start(limits_.IdleTimeoutMs);
    }

    void Finish(Iterator connection, ReceivedJob::End ending, const QString& detail) {
        connection->Readable->setEnabled(false);
        connection->Idle->stop();
        connection->Job.Ending = ending;
        connection->Job.Detail = detail;
        handler_(connection->Job);
        ::close(connection->Fd);
        connection->Readable->deleteLater();
        connection->Idle->deleteLater();
        open_.erase(connection);
        if (!waiting_.empty()) {
            const int next = waiting_.front();
            waiting_.pop_front();
            Serve(next);
        } else if (server_.isListening()) {
            server_.resumeAccepting();
        }
    }

    JobListener* owner_;
    ListenerLimits limits_;
    Handler handler_;
    RawServer server_;
    std::list<Connection> open_;
    std::deque<int> waiting_;
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
