// PrinterSender against a spooler double: the order of the calls, the messages, the
// pieces, and the temporary file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CommandEncoder.h"
#include "PrinterSend.h"
#include "RecordingSpooler.h"
#include "SameBytes.h"
#include "SendSupport.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

class ScriptedChooser : public PrinterChooser {
public:
    std::optional<QString> answer = QString("alpha");
    QStringList offered;  // the preselected printer of each call
    std::function<void()> whileOpen;

    std::optional<QString> ChoosePrinter(const QString& current, const QStringList&) override {
        offered << current;
        if (whileOpen) whileOpen();
        return answer;
    }
};

class SenderTest : public ::testing::Test {
protected:
    SenderTest() {
        spooler.Printers = {"alpha", "beta"};
        spooler.DefaultPrinter = "beta";
        spooler.ErrorDetail = "detail";
    }

    test::RecordingSpooler spooler;
    ScriptedChooser chooser;
    QStringList messages;
    PrinterSender sender{spooler, chooser, [this](const QString& m) { messages << m; }};
    QTemporaryDir dir;

    QString FileOfSize(qint64 size) {
        const QString path = dir.filePath("data.bin");
        QByteArray bytes(size, '\0');
        for (qint64 i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7);
        EXPECT_TRUE(test::WriteWholeFile(path, bytes));
        return path;
    }
    static QStringList TempFilesNamedFoo() {
        return QDir(QDir::tempPath()).entryList({QString(TemporaryFilePrefix) + "*"}, QDir::Files);
    }
};

TEST_F(SenderTest, SuccessfulSendCallsTheSpoolerInOrder) {
    sender.SendFileToPrinter(FileOfSize(41));
    EXPECT_EQ(spooler.Calls,
              (QStringList{"load alpha", "lock", "open alpha", "start ORVANEX LCD Customize Data", "write 41",
                           "end", "close", "unlock"}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SenderTest, LargeFileGoesOutInPiecesOfAtMost65536Bytes) {
    const QString path = FileOfSize(65537);
    sender.SendFileToPrinter(path);
    ASSERT_EQ(spooler.Writes.size(), 2u);
    EXPECT_EQ(spooler.Writes[0].size(), 65536);
    EXPECT_EQ(spooler.Writes[1].size(), 1);
    test::ExpectSameBytes(spooler.Writes[0] + spooler.Writes[1], test::ReadWholeFile(path));
}

TEST_F(SenderTest, EmptyFileMakesAnEmptyJob) {
    sender.SendFileToPrinter(FileOfSize(0));
    EXPECT_TRUE(spooler.Writes.empty());
    EXPECT_TRUE(spooler.Calls.contains("end"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SenderTest, FailedFirstWriteIsReportedOnceAndNothingMoreIsWritten) {
    spooler.FailWriteNumber = 1;
    sender.SendFileToPrinter(FileOfSize(3 * 65536));
    EXPECT_EQ(spooler.Writes.size(), 1u);
    EXPECT_EQ(messages, QStringList{"WritePrinter Error\ndetail"});
    // Ended, closed and unlocked all the same.
    EXPECT_EQ(spooler.Calls.mid(spooler.Calls.indexOf("write 65536")),
              (QStringList{"write 65536", "end", "close", "unlock"}));
}

struct FailureCase {
    const char* failAt;
    const char* message;
    QStringList callsAfterFailure;
};

TEST_F(SenderTest, EachFailingStepShowsItsMessageAndUndoesOnlyWhatWasDone) {
    const FailureCase cases[] = {
        {"load", "GetPrinter error\ndetail", {}},
        {"lock", "GlobalLock error\ndetail", {}},
        {"open", "OpenPrinter Error\ndetail", {"unlock"}},
        {"start", "StartDocPrinter Error\ndetail", {"close", "unlock"}},
        {"end", "EndDocPrinter Error\ndetail", {"close", "unlock"}},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.failAt);
        spooler.Calls.clear();
        spooler.Writes.clear();
        messages.clear();
        spooler.FailAt = c.failAt;
        sender.SendFileToPrinter(FileOfSize(10));
        EXPECT_EQ(messages, QStringList{c.message});
        int failed = -1;
        for (int i = 0; i < spooler.Calls.size(); ++i)
            if (spooler.Calls[i].startsWith(c.failAt)) failed = i;
        ASSERT_GE(failed, 0);
        EXPECT_EQ(spooler.Calls.mid(failed + 1), c.callsAfterFailure);
    }
}

TEST_F(SenderTest, UnreadableFileEndsTheEmptyDocument) {
    const QString missing = dir.filePath("missing.bin");
    sender.SendFileToPrinter(missing);
    EXPECT_EQ(messages, QStringList{"Temporary File Open Error (" + missing + ")"});
    EXPECT_TRUE(spooler.Writes.empty());
    EXPECT_EQ(spooler.Calls.mid(spooler.Calls.size() - 3), (QStringList{"end", "close", "unlock"}));
}

TEST_F(SenderTest, FailedReadNeverReachesTheSpooler) {
    // Opens fine, but reading at offset 0 fails.
    if (!QFileInfo::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem to fail a read";
    sender.SendFileToPrinter("/proc/self/mem");
    EXPECT_TRUE(spooler.Writes.empty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Temporary File Read Error (/proc/self/mem)"))
        << messages[0].toStdString();
    EXPECT_EQ(spooler.Calls.mid(spooler.Calls.size() - 3), (QStringList{"end", "close", "unlock"}));
}

TEST_F(SenderTest, CancelledChooserSendsAndShowsNothing) {
    chooser.answer.reset();
    sender.SendFileToPrinter(FileOfSize(10));
    EXPECT_TRUE(spooler.Calls.isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SenderTest, NoPrinterAtAllIsSaidInsteadOfAnEmptyChooser) {
    spooler.Printers.clear();
    sender.SendFileToPrinter(FileOfSize(10));
    EXPECT_TRUE(chooser.offered.isEmpty());
    EXPECT_EQ(messages, QStringList{QString("No printer is installed.\ndetail\n") + AddRawQueueHint});
}

TEST_F(SenderTest, ChosenPrinterStaysCurrentAndIsPreselectedNextTime) {
    EXPECT_EQ(sender.CurrentPrinter(), "beta");
    sender.SendFileToPrinter(FileOfSize(10));
    chooser.answer = "beta";
    spooler.FailAt = "open";  // a failed send still leaves the choice current
    sender.SendFileToPrinter(FileOfSize(10));
    chooser.answer.reset();
    sender.SendFileToPrinter(FileOfSize(10));
    EXPECT_EQ(chooser.offered, (QStringList{"beta", "alpha", "beta"}));
    EXPECT_EQ(sender.CurrentPrinter(), "beta");
}

TEST_F(SenderTest, CommandsGoOutAsOneWriteOfTheirExactBytes) {
    const auto set = test::MakeSampleSet();
    for (CommandKind kind : {CommandKind::RegisterImage, CommandKind::RegisterAllImages,
                             CommandKind::DeleteImage, CommandKind::DeleteAllImages}) {
        spooler.Writes.clear();
        sender.SendCommand(kind, *set, 7);
        ASSERT_EQ(spooler.Writes.size(), 1u);
        EXPECT_EQ(spooler.Writes[0].size(), CommandSize(kind));
        test::ExpectSameBytes(spooler.Writes[0], BuildCommand(kind, *set, 7));
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SenderTest, TemporaryFileIsPrivateWhileSendingAndGoneAfterEveryOutcome) {
    // A temporary folder of our own, so that nobody else's files count.
    const test::PrivateTempDir tmp;
    ASSERT_EQ(QDir::tempPath(), QDir::cleanPath(tmp.Path()));
    const auto set = test::MakeSampleSet();
    const QStringList before = TempFilesNamedFoo();
    QString seenPath;
    chooser.whileOpen = [&] {
        const QStringList now = TempFilesNamedFoo();
        for (const QString& name : now)
            if (!before.contains(name)) seenPath = QDir(QDir::tempPath()).filePath(name);
        ASSERT_FALSE(seenPath.isEmpty());
        const QFileInfo info(seenPath);
        EXPECT_EQ(info.size(), DeleteAllImagesCommandSize);
        EXPECT_EQ(info.permissions() &
                      (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                  QFile::Permissions{});
    };
    struct Outcome {
        const char* name;
        std::function<void()> arrange;
    };
    const Outcome outcomes[] = {
        {"sent", [] {}},
        {"cancelled", [&] { chooser.answer.reset(); }},
        {"write failed", [&] { chooser.answer = "alpha", spooler.FailWriteNumber = 1; }},
        {"open failed", [&] { spooler.FailWriteNumber = 0, spooler.FailAt = "open"; }},
    };
    for (const Outcome& outcome : outcomes) {
        SCOPED_TRACE(outcome.name);
        outcome.arrange();
        seenPath.clear();
        sender.SendCommand(CommandKind::DeleteAllImages, *set, 1);
        EXPECT_FALSE(seenPath.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(seenPath));
        EXPECT_TRUE(QDir(tmp.Path()).isEmpty());
    }
}

TEST_F(SenderTest, CommandThatCannotBeBuiltShowsOneMessageAndNoChooser) {
    const auto set = test::MakeSampleSet();
    sender.SendCommand(CommandKind::RegisterImage, *set, 0);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(chooser.offered.isEmpty());
    EXPECT_TRUE(spooler.Calls.isEmpty());
}

}  // namespace
}  // namespace zozavud
