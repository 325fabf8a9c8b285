#pragma once
// Following the jobs of one send to many printers together: every job is submitted
// first, then one loop looks at all open jobs in turn, so that waiting for sixty
// printers takes about as long as waiting for the slowest.

#include <QString>
#include <functional>
#include <vector>

#include "Spooler.h"

namespace zozavud {

struct FleetJob {
    QString Printer;
    int JobId = 0;
};

enum class FleetEnd { Printed, Failed, NotAnswered };

struct FleetOutcome {
    FleetJob Job;
    FleetEnd End = FleetEnd::Failed;
    QString Detail;  // why it was not printed
};

struct FleetTally {
    int Printed = 0;
    int Failed = 0;
    int NotAnswered = 0;
    void Count(FleetEnd end);
    bool AllPrinted() const { return Failed == 0 && NotAnswered == 0; }
    QString Summary() const;  // "3 printed, 1 failed, 0 not answered"
};

// Reports each job as it ends, in the order they end; looks at every open job once per
// periodMs. Jobs still open when timeoutMs has passed are cancelled and reported as not
// answered.
void FollowJobsTogether(Spooler& spooler, const std::vector<FleetJob>& jobs, int timeoutMs,
                        const std::function<void(const FleetOutcome&)>& ended, int periodMs = 100);

}  // namespace zozavud
