#pragma once
// The spooler's calls on a thread of their own, one piece of work after another, so that
// a print server that does not answer holds that thread and not the window's.

#include <QThread>
#include <memory>
#include <vector>

#include "Spooler.h"

class QObject;

namespace zozavud {

class SpoolerThread {
public:
    explicit SpoolerThread(std::unique_ptr<Spooler> spooler);
    // Cancels the work still queued or running, then waits for the thread: a spooler that
    // honours its cancel flag lets it end at once.
    ~SpoolerThread();
    SpoolerThread(const SpoolerThread&) = delete;
    SpoolerThread& operator=(const SpoolerThread&) = delete;

    // Queues the work behind what was queued before; done then runs on the thread that
    // made this object, through its event loop, unless this object is gone by then. The
    // flag returned cancels the work: skipped when it has not started, else the work and
    // the spooler (Spooler::SetCancelFlag) see it.
    std::shared_ptr<CancelFlag> Run(SpoolerWork work, std::function<void()> done);

private:
    std::unique_ptr<Spooler> spooler_;
    QThread thread_;
    std::unique_ptr<QObject> worker_;    // lives on thread_: the work runs through it
    std::unique_ptr<QObject> receiver_;  // lives here: done runs through it
    std::vector<std::weak_ptr<CancelFlag>> flags_;
};

}  // namespace zozavud
