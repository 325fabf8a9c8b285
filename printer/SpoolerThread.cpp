#include "SpoolerThread.h"

#include <QObject>
#include <algorithm>

namespace zozavud {

SpoolerThread::SpoolerThread(std::unique_ptr<Spooler> spooler)
    : spooler_(std::move(spooler)),
      worker_(std::make_unique<QObject>()),
      receiver_(std::make_unique<QObject>()) {
    thread_.setObjectName("SpoolerThread");
    worker_->moveToThread(&thread_);
    thread_.start();
}

SpoolerThread::~SpoolerThread() {
    for (const std::weak_ptr<CancelFlag>& weak : flags_)
        if (const std::shared_ptr<CancelFlag> flag = weak.lock()) flag->store(true);
    thread_.quit();
    thread_.wait();
}

std::shared_ptr<CancelFlag> SpoolerThread::Run(SpoolerWork work, std::function<void()> done) {
    std::erase_if(flags_, [](const std::weak_ptr<CancelFlag>& flag) { return flag.expired(); });
    auto flag = std::make_shared<CancelFlag>(false);
    flags_.push_back(flag);
    Spooler* spooler = spooler_.get();
    QObject* receiver = receiver_.get();
    QMetaObject::invokeMethod(
        worker_.get(),
        [spooler, receiver, flag, work = std::move(work), done = std::move(done)] {
            if (!flag->load()) {
                spooler->SetCancelFlag(flag.get());
                work(*spooler, *flag);
                spooler->SetCancelFlag(nullptr);
            }
            // Posted to the receiver: dropped with it when its owner is gone.
            QMetaObject::invokeMethod(receiver, done, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return flag;
}

}  // namespace zozavud
