#include "PrinterFleet.h"

#include <QDeadlineTimer>
#include <QThread>

namespace zozavud {

void FleetTally::Count(FleetEnd end) {
    switch (end) {
        case FleetEnd::Printed:
            ++Printed;
            break;
        case FleetEnd::Failed:
            ++Failed;
            break;
        case FleetEnd::NotAnswered:
            ++NotAnswered;
            break;
    }
}

QString FleetTally::Summary() const {
    return QStringLiteral("%1 printed, %2 failed, %3 not answered").arg(Printed).arg(Failed).arg(NotAnswered);
}

void FollowJobsTogether(Spooler& spooler, const std::vector<FleetJob>& jobs, int timeoutMs,
                        const std::function<void(const FleetOutcome&)>& ended, int periodMs) {
    QDeadlineTimer deadline(timeoutMs);
    struct Open {
        FleetJob Job;
        QString LastWords;  // the printer's last message, for a job that never ends
    };
    std::vector<Open> open;
    open.reserve(jobs.size());
    for (const FleetJob& job : jobs) open.push_back({job, {}});
    while (!open.empty()) {
        QDeadlineTimer pass(periodMs);  // one look at each job per period, however many
        std::vector<Open> still;
        for (Open& job : open) {
            const Spooler::JobCheck check = spooler.CheckJob(job.Job.Printer, job.Job.JobId);
            if (check.Ended)
                ended({job.Job, check.Completed ? FleetEnd::Printed : FleetEnd::Failed, check.Detail});
            else
                still.push_back({job.Job, check.Detail});
        }
        open = std::move(still);
        if (open.empty()) return;
        if (deadline.hasExpired()) break;
        if (!pass.hasExpired()) QThread::msleep(static_cast<unsigned long>(pass.remainingTime()));
    }
    for (const Open& job : open) {
        spooler.GiveUpJob(job.Job.Printer, job.Job.JobId);
        ended({job.Job, FleetEnd::NotAnswered, NotFinishedDetail(timeoutMs, job.LastWords)});
    }
}

}  // namespace zozavud
