#pragma once
// The running editor listens on a local socket beside its lock. A second copy hands it the
// file it was started with, or only asks it to come forward, and waits for the receipt.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

class QLocalServer;
class QLocalSocket;

namespace zozavud {

// The socket's name: the lock's path with ".socket" for ".lock".
QString HandoverName(const QString& lockPath);

class HandoverServer : public QObject {
    Q_OBJECT
public:
    explicit HandoverServer(QObject* parent = nullptr);
    ~HandoverServer() override;

    // Only the copy that holds the lock listens, so a socket left by a crash is removed.
    bool Listen(const QString& name, QString* error);

signals:
    // An empty path: come forward only.
    void HandedOver(const QString& path);

private:
    void Accept();
    void Read(QLocalSocket* socket);

    QLocalServer* server_;
};

// Sends the request and waits up to timeoutMs for the running copy's receipt; false with
// a reason when no copy took it, or when the socket belongs to another user. An empty path
// asks it to come forward only.
bool HandOverToRunningCopy(const QString& name, const QString& path, int timeoutMs, QString* error);

// The request's bytes, and the path back from them (nullopt for anything malformed).
QByteArray HandoverRequest(const QString& path);
std::optional<QString> ParseHandoverRequest(const QByteArray& line);

}  // namespace zozavud
