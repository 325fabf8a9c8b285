#include "InstanceHandover.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include "RuntimeFolder.h"

namespace zozavud {

namespace {

// One line per request; a path is carried in base64, so no byte of it can end the line.
constexpr char OpenWord[] = "open ";
constexpr char RaiseLine[] = "raise";
constexpr char Receipt[] = "ok\n";
// The longest request line, its newline counted; a longer one is refused whole.
constexpr qsizetype MaxRequest = 64 * 1024;

}  // namespace

QString HandoverName(const QString& lockPath) {
    QString name = lockPath;
    if (name.endsWith(".lock")) name.chop(5);
    return name + ".socket";
}

QByteArray HandoverRequest(const QString& path) {
    if (path.isEmpty()) return QByteArray(RaiseLine) + '\n';
    return QByteArray(OpenWord) + path.toUtf8().toBase64() + '\n';
}

std::optional<QString> ParseHandoverRequest(const QByteArray& line) {
    if (line == RaiseLine) return QString();
    if (!line.startsWith(OpenWord)) return std::nullopt;
    const auto decoded = QByteArray::fromBase64Encoding(line.mid(int(sizeof OpenWord) - 1),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty()) return std::nullopt;
    return QString::fromUtf8(decoded.decoded);
}

HandoverServer::HandoverServer(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &HandoverServer::Accept);
}

HandoverServer::~HandoverServer() = default;

bool HandoverServer::Listen(const QString& name, QString* error) {
    QLocalServer::removeServer(name);
    if (server_->listen(name)) return true;
    if (error) *error = server_->errorString();
    return false;
}

void HandoverServer::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        Read(socket);
    }
}

void HandoverServer::Read(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > MaxRequest) socket->abort();
        return;
    }
    const QByteArray line = socket->readLine(MaxRequest + 1);
    const bool whole = line.endsWith('\n') && line.size() <= MaxRequest;
    const std::optional<QString> path = whole ? ParseHandoverRequest(line.chopped(1)) : std::nullopt;
    if (!path) {
        socket->abort();
        return;
    }
    // The receipt goes before the work: opening may wait for the user's answer.
    socket->write(Receipt);
    socket->flush();
    socket->disconnectFromServer();
    emit HandedOver(*path);
}

bool HandOverToRunningCopy(const QString& name, const QString& path, int timeoutMs, QString* error) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The running copy may hold the lock but not yet listen: try again until the deadline.
    for (;;) {
        // Another user's socket would learn the file's name: it is never spoken to.
        if (OwnedByOtherUser(name)) {
            if (error) *error = "the hand-over socket belongs to another user";
            return false;
        }
        socket.connectToServer(name);
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) break;
        if (deadline.hasExpired()) {
            if (error) *error = "the running editor does not answer (" + socket.errorString() + ")";
            return false;
        }
        QThread::msleep(100);
    }
    socket.write(HandoverRequest(path));
    if (!socket.waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime())))) {
        if (error) *error = "the running editor did not take the request (" + socket.errorString() + ")";
        return false;
    }
    QByteArray reply;
    while (!reply.contains('\n') &&
           socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
        reply += socket.readAll();
    reply += socket.readAll();
    if (reply.startsWith(Receipt)) return true;
    if (error) *error = "the running editor did not confirm the request";
    return false;
}

}  // namespace zozavud
