// The send path against a real, private cupsd: raw queues whose device is a socket that
// this test listens on.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "CommandEncoder.h"
#include "PrinterSend.h"
#include "SameBytes.h"
#include "SendSupport.h"
#include "SpoolerCups.h"

namespace zozavud {
namespace {

class FixedChooser : public PrinterChooser {
public:
    std::optional<QString> answer;
    std::optional<QString> ChoosePrinter(const QString&, const QStringList&) override { return answer; }
};

class CupsSendTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_PRIVATE_CUPSD();
        queue = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
        ASSERT_TRUE(cupsd().AddRawQueue(queue, sink.Port()));
        chooser.answer = queue;
    }
    void TearDown() override {
        if (!queue.isEmpty()) cupsd().RemoveQueue(queue);
    }
    static test::PrivateCupsd& cupsd() { return test::PrivateCupsd::Instance(); }
    static QStringList FooFiles() {
        return QDir(QDir::tempPath()).entryList({QString(TemporaryFilePrefix) + "*"}, QDir::Files);
    }

    static inline int counter = 0;
    test::PrivateTempDir temporaries;  // the foo files counted below are this test's own
    QString queue;
    test::ByteSink sink;
    CupsSpooler spooler;
    FixedChooser chooser;
    QStringList messages;
    PrinterSender sender{spooler, chooser, [this](const QString& m) { messages << m; }};
    std::unique_ptr<ImageSet> set = test::MakeSampleSet();
};

TEST_F(CupsSendTest, PrinterReceivesExactlyTheCommandBytesOfEachKind) {
    const CommandKind kinds[] = {CommandKind::RegisterImage, CommandKind::RegisterAllImages,
                                 CommandKind::DeleteImage, CommandKind::DeleteAllImages};
    for (CommandKind kind : kinds) {
        SCOPED_TRACE(static_cast<int>(kind));
        test::ByteSink kindSink;
        ASSERT_TRUE(cupsd().AddRawQueue(queue, kindSink.Port()));  // same queue, new device
        sender.SendCommand(kind, *set, 12);
        EXPECT_TRUE(messages.isEmpty()) << messages.join("|").toStdString();
        ASSERT_TRUE(kindSink.WaitForJob(10000));
        test::ExpectSameBytes(kindSink.Received(), BuildCommand(kind, *set, 12));
    }
}

TEST_F(CupsSendTest, QueueIsListedForTheChooser) { EXPECT_TRUE(spooler.PrinterNames().contains(queue)); }

TEST_F(CupsSendTest, JobCanBeFollowedToCompletion) {
    sender.SendCommand(CommandKind::DeleteAllImages, *set, 1);
    ASSERT_TRUE(sink.WaitForJob(10000));
    ASSERT_GT(spooler.LastJobId(), 0);
    const Spooler::JobOutcome end = spooler.FollowJob(queue, spooler.LastJobId(), 10000);
    EXPECT_TRUE(end.Completed) << end.Detail.toStdString();
}

TEST_F(CupsSendTest, QueueThatRejectsJobsGivesStartDocPrinterError) {
    ASSERT_TRUE(cupsd().RunTool("cupsreject", {queue}));
    const QStringList before = FooFiles();
    sender.SendCommand(CommandKind::RegisterAllImages, *set, 1);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("StartDocPrinter Error\n")) << messages[0].toStdString();
    EXPECT_GT(messages[0].size(), QString("StartDocPrinter Error\n").size());  // the server's reason
    EXPECT_EQ(FooFiles(), before);
    EXPECT_FALSE(sink.WaitForJob(300));
}

TEST_F(CupsSendTest, MissingQueueGivesOpenPrinterError) {
    chooser.answer = queue + "_missing";
    const QStringList before = FooFiles();
    sender.SendCommand(CommandKind::DeleteImage, *set, 3);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("OpenPrinter Error\n")) << messages[0].toStdString();
    EXPECT_EQ(FooFiles(), before);
}

TEST_F(CupsSendTest, CancelledChoiceSendsNothingAndLeavesNoFile) {
    chooser.answer.reset();
    const QStringList before = FooFiles();
    sender.SendCommand(CommandKind::RegisterImage, *set, 1);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(FooFiles(), before);
    EXPECT_FALSE(sink.WaitForJob(300));
    EXPECT_EQ(spooler.LastJobId(), 0);
}

TEST_F(CupsSendTest, FailedWriteCancelsTheJobInsteadOfPrintingPartOfIt) {
    ASSERT_TRUE(spooler.OpenPrinter(queue));
    ASSERT_TRUE(spooler.StartDocument(PrintJobName));
    const int job = spooler.LastJobId();
    ASSERT_TRUE(spooler.WriteData("partial", 7));
    EXPECT_FALSE(spooler.WriteData("x", -1));  // refused: the job is now given up
    EXPECT_FALSE(spooler.EndDocument());
    spooler.ClosePrinter();
    const Spooler::JobOutcome end = spooler.FollowJob(queue, job, 5000);
    EXPECT_FALSE(end.Completed);
    EXPECT_TRUE(end.Detail.contains("cancel")) << end.Detail.toStdString();
}

}  // namespace
}  // namespace zozavud
