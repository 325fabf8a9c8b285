// Following many jobs together: each is reported as it ends, a job that never ends is
// given up and counted apart from the failures.
#include <gtest/gtest.h>

#include <map>

#include "PrinterFleet.h"

namespace zozavud {
namespace {

// Each job ends after a given number of looks, printed or failed; -1 never ends.
class ScriptedJobs : public Spooler {
public:
    struct Script {
        int LooksToEnd;
        bool Prints;
    };
    std::map<int, Script> scripts;
    std::map<int, int> looks;
    std::vector<int> givenUp;

    JobCheck CheckJob(const QString&, int jobId) override {
        const Script& script = scripts.at(jobId);
        const int seen = ++looks[jobId];
        if (script.LooksToEnd < 0 || seen < script.LooksToEnd) return {false, false, "busy"};
        return {true, script.Prints, script.Prints ? QString() : QStringLiteral("the job was aborted")};
    }
    void GiveUpJob(const QString&, int jobId) override { givenUp.push_back(jobId); }

    QStringList PrinterNames() override { return {}; }
    QString DefaultPrinterName() override { return {}; }
    bool LoadDeviceSettings(const QString&) override { return true; }
    bool LockDeviceSettings() override { return true; }
    void UnlockDeviceSettings() override {}
    bool OpenPrinter(const QString&) override { return true; }
    bool StartDocument(const QString&) override { return true; }
    bool WriteData(const char*, qint64) override { return true; }
    bool EndDocument() override { return true; }
    void ClosePrinter() override {}
    QString LastErrorDetail() const override { return {}; }
    int LastJobId() const override { return 0; }
};

TEST(FleetFollow, JobsAreReportedAsTheyEndAndTheSilentOnesGivenUp) {
    ScriptedJobs spooler;
    spooler.scripts = {{1, {3, true}}, {2, {1, false}}, {3, {-1, false}}, {4, {2, true}}};
    std::vector<FleetJob> jobs;
    for (int id = 1; id <= 4; ++id) jobs.push_back({QStringLiteral("q%1").arg(id), id});
    std::vector<std::pair<int, FleetEnd>> ended;
    FleetTally tally;
    FollowJobsTogether(
        spooler, jobs, 60,
        [&](const FleetOutcome& outcome) {
            ended.emplace_back(outcome.Job.JobId, outcome.End);
            tally.Count(outcome.End);
            if (outcome.End == FleetEnd::NotAnswered) {
                EXPECT_TRUE(outcome.Detail.contains("job cancelled")) << outcome.Detail.toStdString();
            }
        },
        10);
    const std::vector<std::pair<int, FleetEnd>> expected = {
        {2, FleetEnd::Failed}, {4, FleetEnd::Printed}, {1, FleetEnd::Printed}, {3, FleetEnd::NotAnswered}};
    EXPECT_EQ(ended, expected);
    EXPECT_EQ(spooler.givenUp, std::vector<int>{3});
    // One look per open job and pass: the ended ones are not asked again.
    EXPECT_EQ(spooler.looks[2], 1);
    EXPECT_EQ(spooler.looks[1], 3);
    EXPECT_EQ(tally.Summary(), "2 printed, 1 failed, 1 not answered");
    EXPECT_FALSE(tally.AllPrinted());
}

}  // namespace
}  // namespace zozavud
