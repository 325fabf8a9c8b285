// zozavud-cli emulate as a printer on a loopback port: damaged jobs change nothing, many
// senders at once lose nothing, and a send through cupsd lands in its memory.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <thread>

#include "CliProcess.h"
#include "CommandEncoder.h"
#include "DocumentIo.h"
#include "SameBytes.h"
#include "SendSupport.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

using test::Emulator;
using test::SendRawJob;

// The register-all entry of image n: what the contract promises back for a slot.
QByteArray Entry(const ImageSet& set, int n) {
    return BuildRegisterAllImagesCommand(set).mid(38 + (n - 1) * ImageEntrySize, ImageEntrySize);
}

std::unique_ptr<ImageSet> LoadMemory(const QString& path) {
    auto set = std::make_unique<ImageSet>();
    return LoadImageSetFile(path, *set) ? std::move(set) : nullptr;
}

class EmulateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        memory = dir.filePath("memory.lcd");
    }
    QTemporaryDir dir;
    QString memory;
    std::unique_ptr<ImageSet> sample = test::MakeSampleSet();
};

struct DamagedJob {
    const char* Name;
    std::function<QByteArray(const ImageSet&)> Bytes;
    bool EndsOwnSide;
    const char* Logged;  // in the job's log line
};

const DamagedJob DamagedJobs[] = {
    {"cut short", [](const ImageSet& s) { return BuildRegisterAllImagesCommand(s).left(5000); }, true,
     "register 1-5 refused: offset 32: length field says 19591 body bytes, only 4964 follow"},
    {"length of another layout",
     [](const ImageSet& s) {
         return BuildRegisterAllImagesCommand(s).replace(32, 4, QByteArray::fromHex("09040000"));
     },
     true, "register 1-19 refused: offset 32: length field 1033 does not agree"},
    {"two commands",
     [](const ImageSet&) { return BuildDeleteAllImagesCommand() + BuildDeleteAllImagesCommand(); }, true,
     "delete-all 1-19 refused: offset 41: command 2 of the file"},
    {"garbage", [](const ImageSet&) { return QByteArray(300, '\xA5'); }, true,
     "- - refused: offset 0: 300 byte(s) that are not a command"},
    {"nothing at all", [](const ImageSet&) { return QByteArray(); }, true,
     "- - refused: offset 0: the file is empty"},
    {"larger than the maximum", [](const ImageSet&) { return QByteArray(40000, '\0'); }, true,
     "- - refused: more than 30000 bytes"},
    {"connection that never sends", [](const ImageSet&) { return QByteArray(); }, false,
     "- - refused: no byte for 0.4 s"},
};

TEST_F(EmulateTest, DamagedJobsLeaveTheMemoryAsItWasAndTheEmulatorServing) {
    Emulator emulator(memory, {"--max-job-bytes", "30000", "--idle-timeout", "0.4"});
    ASSERT_GT(emulator.Port(), 0);
    const QByteArray before = test::ReadWholeFile(memory);
    ASSERT_EQ(before.size(), static_cast<qsizetype>(ImageSetSize));  // missing: started fresh
    int lines = 0;
    for (const DamagedJob& job : DamagedJobs) {
        SCOPED_TRACE(job.Name);
        SendRawJob(emulator.Port(), job.Bytes(*sample), 5000, job.EndsOwnSide);
        const QStringList log = emulator.WaitForJobLines(++lines);
        ASSERT_EQ(log.size(), lines);
        EXPECT_TRUE(log.back().contains(job.Logged)) << log.back().toStdString();
        EXPECT_TRUE(log.back().contains(" 127.0.0.1:")) << log.back().toStdString();  // the peer
        test::ExpectSameBytes(test::ReadWholeFile(memory), before, job.Logged);
    }
    // Still serving: a good job after all that is applied.
    ASSERT_TRUE(SendRawJob(emulator.Port(), BuildCommand(CommandKind::RegisterImage, *sample, 9)));
    EXPECT_TRUE(emulator.WaitForJobLines(++lines).back().endsWith("register 9 applied"));
    const auto held = LoadMemory(memory);
    ASSERT_TRUE(held);
    EXPECT_EQ(Entry(*held, 9), Entry(*sample, 9));
    EXPECT_TRUE(emulator.Stop());  // SIGTERM ends it cleanly
}

// Eight senders at once, each owning the slots n with (n - 1) % 8 == its number, so the
// last picture of every slot is known whatever the order the jobs arrive in.
TEST_F(EmulateTest, TwoHundredJobsFromEightSendersAreAllApplied) {
    Emulator emulator(memory);
    ASSERT_GT(emulator.Port(), 0);
    constexpr int Senders = 8, JobsEach = 25;
    std::vector<std::unique_ptr<ImageSet>> last(Senders);
    std::atomic<int> failed{0};
    std::vector<std::thread> threads;
    threads.reserve(Senders);
    for (int s = 0; s < Senders; ++s) {
        threads.emplace_back([&, s] {
            auto set = test::MakeSampleSet();
            for (int j = 0; j < JobsEach; ++j) {
                const int n = 1 + s + 8 * (j % ((ImageCount - 1 - s) / 8 + 1));
                ImageRecord& record = set->Record(n);
                record.RenderedData[LayerIndex((j * 37 + s) % LcdColumns, j % LcdRows)] ^= ColorBlank;
                record.Blink = j % 3 == 1;
                record.WideBitmap = j % 3 == 2;
                if (!SendRawJob(emulator.Port(), BuildCommand(CommandKind::RegisterImage, *set, n))) ++failed;
            }
            last[s] = std::move(set);
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(failed, 0);
    const QStringList log = emulator.WaitForJobLines(Senders * JobsEach);
    ASSERT_EQ(log.size(), Senders * JobsEach);
    EXPECT_EQ(log.filter(" applied").size(), Senders * JobsEach);
    EXPECT_TRUE(emulator.Running());
    const auto held = LoadMemory(memory);
    ASSERT_TRUE(held);
    for (int n = 1; n <= ImageCount; ++n)
        EXPECT_EQ(Entry(*held, n), Entry(*last[(n - 1) % Senders], n)) << "slot " << n;
}

TEST_F(EmulateTest, SendThroughCupsLandsInTheMemory) {
    REQUIRE_PRIVATE_CUPSD();
    const QString document = dir.filePath("doc.lcd");
    const QString fresh = dir.filePath("fresh.lcd");
    ASSERT_TRUE(SaveImageSetFile(document, *sample));
    ASSERT_EQ(test::RunCli({"new", fresh, "--language", "en"}).ExitCode, 0);
    Emulator emulator(memory);
    ASSERT_GT(emulator.Port(), 0);
    const QString queue = QStringLiteral("e%1").arg(QCoreApplication::applicationPid());
    ASSERT_TRUE(test::PrivateCupsd::Instance().AddRawQueue(queue, emulator.Port()));
    const test::CliRun all = test::RunCli({"send", "register-all", document, "--printer", queue, "--wait"});
    const test::CliRun del =
        test::RunCli({"send", "delete", document, "--image", "3", "--printer", queue, "--wait"});
    test::PrivateCupsd::Instance().RemoveQueue(queue);
    ASSERT_EQ(all.ExitCode, 0) << all.Err.toStdString();
    ASSERT_EQ(del.ExitCode, 0) << del.Err.toStdString();
    EXPECT_TRUE(all.Out.contains("1 printed, 0 failed, 0 not answered")) << all.Out.toStdString();
    // Printed means applied: the emulator closes a job only once it is in the memory.
    const auto held = LoadMemory(memory);
    const auto freshSet = LoadMemory(fresh);
    ASSERT_TRUE(held && freshSet);
    for (int n = 1; n <= ImageCount; ++n)
        EXPECT_EQ(Entry(*held, n), Entry(n == 3 ? *freshSet : *sample, n)) << "slot " << n;
    const QStringList log = emulator.WaitForJobLines(2);
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log[0].endsWith("register 1-19 applied")) << log[0].toStdString();
    EXPECT_TRUE(log[1].endsWith("delete 3 applied")) << log[1].toStdString();
}

TEST_F(EmulateTest, BadStartsAreClearErrors) {
    const QString notDocument = dir.filePath("big.bin");
    ASSERT_TRUE(test::WriteWholeFile(notDocument, QByteArray(3000, 'x')));
    Emulator first(memory);
    ASSERT_GT(first.Port(), 0);
    const QString taken = QStringLiteral("127.0.0.1:%1").arg(first.Port());
    const struct {
        QStringList Arguments;
        int Exit;
        const char* Says;
    } cases[] = {
        {{"emulate", "--memory", notDocument}, 1, "is not a document"},
        {{"emulate", "--memory", dir.filePath("m2.lcd"), "--listen", taken}, 1, "cannot listen on"},
        {{"emulate"}, 2, "--memory is required"},
        {{"emulate", "--memory", memory, "--listen", "nowhere"}, 2, "--listen must be HOST:PORT"},
        {{"emulate", "--memory", memory, "--listen", "127.0.0.1:70000"}, 2, "--listen"},
        {{"emulate", "--memory", memory, "--max-connections", "0"}, 2, "--max-connections"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments.join(' ').toStdString());
        const test::CliRun run = test::RunCli(c.Arguments, 10000);
        EXPECT_EQ(run.ExitCode, c.Exit);
        EXPECT_TRUE(run.Err.contains(c.Says)) << run.Err.toStdString();
    }
    EXPECT_EQ(test::ReadWholeFile(notDocument), QByteArray(3000, 'x'));
    EXPECT_FALSE(QFile::exists(dir.filePath("m2.lcd")));  // nothing written when the port is taken
}

}  // namespace
}  // namespace zozavud
