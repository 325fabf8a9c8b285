// zozavud-cli send against the private cupsd: one job per printer, each outcome told.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "CliProcess.h"
#include "CommandEncoder.h"
#include "DocumentIo.h"
#include "SameBytes.h"
#include "SendSupport.h"

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
    const CliRun run =
        Run({"send", "register", document, "--image", "5", "--printer", a, "--printer", b, "--wait"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains(a + ": printed")) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains(b + ": printed")) << run.Out.toStdString();
    ASSERT_TRUE(first.WaitForJob(5000));
    ASSERT_TRUE(second.WaitForJob(5000));
    test::ExpectSameBytes(first.Received(), Expected(CommandKind::RegisterImage, 5), a);
    test::ExpectSameBytes(second.Received(), Expected(CommandKind::RegisterImage, 5), b);
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
    test::ExpectSameBytes(sink.Received(), Expected(CommandKind::DeleteAllImages, 1));
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
    const CliRun run =
        Run({"send", "delete", document, "--image", "2", "--printer", queue, "--wait", "--timeout", "1.5"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("unreachable")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("job cancelled")) << run.Err.toStdString();
}

TEST_F(CliSendTest, BadArgumentsAreUsageErrors) {
    const QStringList cases[] = {
        {"send", "register", document, "--printer", "q"},                 // no --image
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

// A print server that takes the connection and never says a word: the sink below.
class SilentServerTest : public CliSendTest {
protected:
    void SetUp() override {
        CliSendTest::SetUp();
        saved = qgetenv("CUPS_SERVER");
        qputenv("CUPS_SERVER", QStringLiteral("127.0.0.1:%1").arg(silent.Port()).toUtf8());
    }
    void TearDown() override { qputenv("CUPS_SERVER", saved); }
    QByteArray saved;
    test::ByteSink silent;
};

TEST_F(SilentServerTest, ServerThatNeverAnswersFailsInBoundedTimeSayingSo) {
    QElapsedTimer clock;
    clock.start();
    const CliRun run = Run({"send", "register-all", document, "--printer", "a", "--printer", "b", "--wait",
                            "--answer-timeout", "1"});
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("a: OpenPrinter Error: The print server 127.0.0.1:"))
        << run.Err.toStdString();
    EXPECT_EQ(run.Err.count("did not answer within 1 s"), 2) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains("0 printed, 2 failed, 0 not answered")) << run.Out.toStdString();
}

TEST_F(SilentServerTest, InterruptedSendLeavesNoTemporaryFile) {
    // A temporary folder of its own, so that no other test's files count.
    const QString temporary = dir.filePath("tmp");
    ASSERT_TRUE(QDir().mkpath(temporary));
    auto files = [&] { return QDir(temporary).entryList(QDir::Files); };
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signalNumber);
        QProcess send;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", temporary);
        send.setProcessEnvironment(environment);
        send.start(QStringLiteral(ZOZAVUD_BINARY_DIR "/bin/zozavud-cli"),
                   {"send", "delete-all", document, "--printer", "a"});
        ASSERT_TRUE(send.waitForStarted(5000));
        // Blocked on the silent server, its file written: then interrupted.
        QDeadlineTimer deadline(10000);
        while (files().isEmpty() && !deadline.hasExpired()) QThread::msleep(20);
        ASSERT_EQ(files().size(), 1);
        EXPECT_TRUE(files()[0].startsWith("foo"));
        ::kill(static_cast<pid_t>(send.processId()), signalNumber);
        ASSERT_TRUE(send.waitForFinished(5000));
        EXPECT_EQ(send.exitStatus(), QProcess::CrashExit);  // ended by the signal, as it asked
        EXPECT_EQ(files(), QStringList());
    }
}

}  // namespace
}  // namespace zozavud
