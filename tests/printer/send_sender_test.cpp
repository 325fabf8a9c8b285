// PrinterSender against a spooler double: the order of the calls, the messages, the
// pieces, and the temporary file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CommandEncoder.h"
#include "PrinterSend.h"
#include "TestFiles.h"
#include "send_support.h"

namespace zozavud {
namespace {

class RecordingSpooler : public Spooler {
public:
    QStringList printers{"alpha", "beta"};
    QString defaultPrinter = "beta";
    QString failAt;            // the call that fails: "load", "lock", "open", "start", "end"
    int failWriteNumber = 0;   // 1 = the first write fails
    QStringList calls;
    std::vector<QByteArray> writes;
    std::function<void()> onWrite;

    QStringList PrinterNames() override { return printers; }
    QString DefaultPrinterName() override { return defaultPrinter; }
    bool LoadDeviceSettings(const QString& name) override { return Call("load " + name, "load"); }
    bool LockDeviceSettings() override { return Call("lock", "lock"); }
    void UnlockDeviceSettings() override { calls << "unlock"; }
    bool OpenPrinter(const QString& name) override { return Call("open " + name, "open"); }
    bool StartDocument(const QString& name) override { return Call("start " + name, "start"); }
    bool WriteData(const char* data, qint64 size) override {
        calls << QStringLiteral("write %1").arg(size);
        writes.emplace_back(data, size);
        if (onWrite) onWrite();
        return static_cast<int>(writes.size()) != failWriteNumber;
    }
    bool EndDocument() override { return Call("end", "end"); }
    void ClosePrinter() override { calls << "close"; }
    QString LastErrorDetail() const override { return "detail"; }
    int LastJobId() const override { return 7; }

private:
    bool Call(const QString& call, const QString& step) {
        calls << call;
        return failAt != step;
    }
};

class ScriptedChooser : public PrinterChooser {
public:
    std::optional<QString> answer = QString("alpha");
    QStringList offered;  // the preselected printer of each call
    std::function<void()> whileOpen;

    std::optional<QString> ChoosePrinter(const QString& current) override {
        offered << current;
        if (whileOpen) whileOpen();
        return answer;
    }
};

class SenderTest : public ::testing::Test {
protected:
    RecordingSpooler spooler;
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
    EXPECT_EQ(spooler.calls, (QStringList{"load alpha", "lock", "open alpha",
                                          "start ORVANEX LCD Customize Data", "write 41", "end",
                                          "close", "unlock"}));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SenderTest, LargeFileGoesOutInPiecesOfAtMost65536Bytes) {
    const QString path = FileOfSize(65537);
    sender.SendFileToPrinter(path);
    ASSERT_EQ(spooler.writes.size(), 2u);
    EXPECT_EQ(spooler.writes[0].size(), 65536);
    EXPECT_EQ(spooler.writes[1].size(), 1);
    EXPECT_EQ(spooler.writes[0] + spooler.writes[1], test::ReadWholeFile(path));
}

TEST_F(SenderTest, EmptyFileMakesAnEmptyJob) {
    sender.SendFileToPrinter(FileOfSize(0));
    EXPECT_TRUE(spooler.writes.empty());
    EXPECT_TRUE(spooler.calls.contains("end"));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SenderTest, FailedFirstWriteIsReportedOnceAndNothingMoreIsWritten) {
    spooler.failWriteNumber = 1;
    sender.SendFileToPrinter(FileOfSize(3 * 65536));
    EXPECT_EQ(spooler.writes.size(), 1u);
    EXPECT_EQ(messages, QStringList{"WritePrinter Error\ndetail"});
    // Ended, closed and unlocked all the same.
    EXPECT_EQ(spooler.calls.mid(spooler.calls.indexOf("write 65536")),
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
        spooler.calls.clear();
        spooler.writes.clear();
        messages.clear();
        spooler.failAt = c.failAt;
        sender.SendFileToPrinter(FileOfSize(10));
        EXPECT_EQ(messages, QStringList{c.message});
        int failed = -1;
        for (int i = 0; i < spooler.calls.size(); ++i)
            if (spooler.calls[i].startsWith(c.failAt)) failed = i;
        ASSERT_GE(failed, 0);
        EXPECT_EQ(spooler.calls.mid(failed + 1), c.callsAfterFailure);
    }
}

TEST_F(SenderTest, UnreadableFileEndsTheEmptyDocument) {
    const QString missing = dir.filePath("missing.bin");
    sender.SendFileToPrinter(missing);
    EXPECT_EQ(messages, QStringList{"Temporary File Open Error (" + missing + ")"});
    EXPECT_TRUE(spooler.writes.empty());
    EXPECT_EQ(spooler.calls.mid(spooler.calls.size() - 3), (QStringList{"end", "close", "unlock"}));
}

TEST_F(SenderTest, FailedReadNeverReachesTheSpooler) {
    // Opens fine, but reading at offset 0 fails.
    if (!QFileInfo::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem to fail a read";
    sender.SendFileToPrinter("/proc/self/mem");
    EXPECT_TRUE(spooler.writes.empty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Temporary File Read Error (/proc/self/mem)")) << messages[0].toStdString();
    EXPECT_EQ(spooler.calls.mid(spooler.calls.size() - 3), (QStringList{"end", "close", "unlock"}));
}

TEST_F(SenderTest, CancelledChooserSendsAndShowsNothing) {
    chooser.answer.reset();
    sender.SendFileToPrinter(FileOfSize(10));
    EXPECT_TRUE(spooler.calls.isEmpty());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SenderTest, NoPrinterAtAllIsSaidInsteadOfAnEmptyChooser) {
    spooler.printers.clear();
    sender.SendFileToPrinter(FileOfSize(10));
    EXPECT_TRUE(chooser.offered.isEmpty());
    EXPECT_EQ(messages, QStringList{"No printer is installed.\ndetail"});
}

TEST_F(SenderTest, ChosenPrinterStaysCurrentAndIsPreselectedNextTime) {
    EXPECT_EQ(sender.CurrentPrinter(), "beta");
    sender.SendFileToPrinter(FileOfSize(10));
    chooser.answer = "beta";
    spooler.failAt = "open";  // a failed send still leaves the choice current
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
        spooler.writes.clear();
        sender.SendCommand(kind, *set, 7);
        ASSERT_EQ(spooler.writes.size(), 1u);
        EXPECT_EQ(spooler.writes[0].size(), CommandSize(kind));
        EXPECT_EQ(spooler.writes[0], BuildCommand(kind, *set, 7));
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SenderTest, TemporaryFileIsPrivateWhileSendingAndGoneAfterEveryOutcome) {
    // A temporary folder of our own, so that nobody else's files count.
    QTemporaryDir tmp;
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmp.path().toUtf8());
    struct Restore {
        QByteArray value;
        ~Restore() { value.isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", value); }
    } restore{oldTmp};
    ASSERT_EQ(QDir::tempPath(), QDir::cleanPath(tmp.path()));
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
        EXPECT_EQ(info.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther |
                                        QFile::WriteOther),
                  QFile::Permissions{});
    };
    struct Outcome {
        const char* name;
        std::function<void()> arrange;
    };
    const Outcome outcomes[] = {
        {"sent", [] {}},
        {"cancelled", [&] { chooser.answer.reset(); }},
        {"write failed", [&] { chooser.answer = "alpha", spooler.failWriteNumber = 1; }},
        {"open failed", [&] { spooler.failWriteNumber = 0, spooler.failAt = "open"; }},
    };
    for (const Outcome& outcome : outcomes) {
        SCOPED_TRACE(outcome.name);
        outcome.arrange();
        seenPath.clear();
        sender.SendCommand(CommandKind::DeleteAllImages, *set, 1);
        EXPECT_FALSE(seenPath.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(seenPath));
        EXPECT_TRUE(QDir(tmp.path()).isEmpty());
    }
}

TEST_F(SenderTest, CommandThatCannotBeBuiltShowsOneMessageAndNoChooser) {
    const auto set = test::MakeSampleSet();
    sender.SendCommand(CommandKind::RegisterImage, *set, 0);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(chooser.offered.isEmpty());
    EXPECT_TRUE(spooler.calls.isEmpty());
}

}  // namespace
}  // namespace zozavud
