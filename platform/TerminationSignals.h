#pragma once
// SIGINT and SIGTERM (Ctrl+C and Ctrl+Break, closing the console on Windows), seen two ways:
// as a file to remove before the process ends, or as a request that the event loop hears.

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace zozavud {

// While it lives, a terminating signal removes the file at path and then ends the process
// as the signal would have. One guard at a time per process; a newer one replaces it.
class RemoveFileOnTermination {
public:
    explicit RemoveFileOnTermination(const QString& path);
    ~RemoveFileOnTermination();
    RemoveFileOnTermination(const RemoveFileOnTermination&) = delete;
    RemoveFileOnTermination& operator=(const RemoveFileOnTermination&) = delete;
};

// While it lives, a terminating signal does not end the process: Requested is emitted on
// the thread of the event loop instead, once per signal.
class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void Requested(int signalNumber);

private:
    void Drain();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zozavud
