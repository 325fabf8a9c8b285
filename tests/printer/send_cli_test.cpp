// zozavud-cli send against the private cupsd: one job per printer, each outcome told.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "CommandEncoder.h"
#include "DocumentIo.h"
#include "CliProcess.h"
#include "send_support.h"

namespace zozavud {
namespace {

using test::CliRun;

class CliSendTest : public ::testing::Test {
protected:
    // Only the cases that reach a printer need the cupsd; they ask for it themselves.
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        document = dir.filePath("doc.lcd");
        ASSERT_TRUE(SaveImageSetFile(document, *set));
    }
    void TearDown() override {
        for (const QString& q : queues) cupsd().RemoveQueue(q);
    }
    static test::PrivateCupsd& cupsd() { return test::PrivateCupsd::Instance(); }

    QString AddQueue(int sinkPort) {
        const QString name = QStringLiteral("c%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
        EXPECT_TRUE(cupsd().AddRawQueue(name, sinkPort));
        queues << name;
        return name;
    }
    CliRun Run(const QStringList& arguments) { return test::RunCli(arguments, 30000); }
    QByteArray Expected(CommandKind kind, int image) {
        ImageSet& s = *set;
        s.Record(image).ImageNo = static_cast<uint8_t>(image);
        return BuildCommand(kind, s, image);
    }

    static inline int counter = 0;
    QTemporaryDir dir;
    QString document;
    QStringList queues;
    std::unique_ptr<ImageSet> set = test::MakeSampleSet();
};

TEST_F(CliSendTest, EveryPrinterGetsItsOwnJobOfTheCommandBytes) {
    REQUIRE_PRIVATE_CUPSD();
    test::ByteSink first, second;
    const QString a = AddQueue(first.Port()), b = AddQueue(second.Port());
    const CliRun run = Run({"send", "register", document, "--image", "5", "--printer", a,
                            "--printer", b, "--wait"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(a + ": printed")) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(b + ": printed")) << run.Out.toStdString();
    ASSERT_TRUE(first.WaitForJob(5000));
    ASSERT_TRUE(second.WaitForJob(5000));
    EXPECT_EQ(first.Received(), Expected(CommandKind::RegisterImage, 5));
    EXPECT_EQ(second.Received(), Expected(CommandKind::RegisterImage, 5));
}

TEST_F(CliSendTest, OneMissingPrinterFailsTheRunButNotTheOthers) {
    REQUIRE_PRIVATE_CUPSD();
    test::ByteSink sink;
    const QString good = AddQueue(sink.Port());
    const QString missing = good + "_missing";
    const CliRun run = Run({"send", "delete-all", document, "--printer", missing, "--printer", good});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains(missing + ": OpenPrinter Error")) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(good + ": sent")) << run.Out.toStdString();
    ASSERT_TRUE(sink.WaitForJob(10000));
    EXPECT_EQ(sink.Received(), Expected(CommandKind::DeleteAllImages, 1));
}

TEST_F(CliSendTest, WaitFailsOnAStoppedQueue) {
    REQUIRE_PRIVATE_CUPSD();
    test::ByteSink sink;
    const QString queue = AddQueue(sink.Port());
    ASSERT_TRUE(cupsd().RunTool("cupsdisable", {queue}));
    const CliRun run = Run({"send", "register-all", document, "--printer", queue, "--wait"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("stopped")) << run.Err.toStdString();
    EXPECT_FALSE(sink.Connected());
}

TEST_F(CliSendTest, WaitFailsOnAnUnreachablePrinterAndCancelsTheJob) {
    REQUIRE_PRIVATE_CUPSD();
    int closedPort = 0;
    {
        test::ByteSink gone;  // a port that nothing listens on once this closes
        closedPort = gone.Port();
    }
    const QString queue = AddQueue(closedPort);
    const CliRun run = Run({"send", "delete", document, "--image", "2", "--printer", queue,
                            "--wait", "--timeout", "1.5"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("unreachable")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("job cancelled")) << run.Err.toStdString();
}

TEST_F(CliSendTest, BadArgumentsAreUsageErrors) {
    const QStringList cases[] = {
        {"send", "register", document, "--printer", "q"},                  // no --image
        {"send", "register-all", document},                               // no printer
        {"send", "frobnicate", document, "--printer", "q"},               // unknown kind
        {"send", "delete", document, "--image", "20", "--printer", "q"},  // out of range
        {"send", "register-all", document, "--printer", "q", "--wait", "--timeout", "x"},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(Run(arguments).ExitCode, 2);
    }
}

TEST_F(CliSendTest, UnreadableDocumentFailsNamingIt) {
    const QString missing = dir.filePath("none.lcd");
    const CliRun run = Run({"send", "delete-all", missing, "--printer", "q"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains(missing)) << run.Err.toStdString();
}

}  // namespace
}  // namespace zozavud
