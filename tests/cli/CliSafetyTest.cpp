// The tool against hostile input and a hostile environment: foreign files, odd targets,
// broken output, file-size limits, edits at once, text that is not safe on a terminal.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "CliProcess.h"
#include "ImageSet.h"
#include "SameBytes.h"
#include "TerminalText.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

using test::CliRun;
using test::RunCli;

const QString Tool = QStringLiteral(ZOZAVUD_BINARY_DIR "/bin/zozavud-cli");

TEST(EscapeForTerminal, ControlAndReorderingCharactersBecomeEscapesAndNothingElseDoes) {
    const struct {
        const char16_t* Text;
        const char* Shown;
    } cases[] = {
        {u"Papier é Ж 联 😀", "Papier é Ж 联 😀"},
        {u"\x1b]0;title\x07", "\\e]0;title\\x07"},
        {u"a\tb\nc\rd", "a\\tb\\nc\\rd"},
        {u"\x7f\x85\x9b", "\\x7f\\x85\\x9b"},  // DEL, NEL and CSI of C1
        {u"abc\u202Eevil", "abc\\u{202e}evil"},
        {u"x\u2028y\u2066z", "x\\u{2028}y\\u{2066}z"},
        {u"C:\\dir \\e", "C:\\\\dir \\\\e"},  // a backslash never reads as an escape
        {u"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cli::EscapeForTerminal(QString::fromUtf16(c.Text)), QString::fromUtf8(c.Shown)) << c.Shown;
}

// Runs a shell line that finds the tool in "$T" and the arguments in "$@".
CliRun Shell(const QString& line, const QStringList& arguments = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("T", Tool);
    process.setProcessEnvironment(environment);
    process.start("/bin/sh", QStringList{"-c", line, "sh"} + arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) return run;
    run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.RawOut = process.readAllStandardOutput();
    run.Out = QString::fromUtf8(run.RawOut);
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

class CliSafety : public ::testing::Test {
protected:
    void SetUp() override {
        doc = dir.filePath("doc.lcd");
        ASSERT_EQ(RunCli({"new", doc, "--language", "en"}).ExitCode, 0);
    }
    QString Info(int image) { return RunCli({"info", doc, "--image", QString::number(image)}).Out; }
    QTemporaryDir dir;
    QString doc;
};

TEST_F(CliSafety, AFileThatIsNotADocumentIsNeverRewrittenButCanBeRead) {
    QByteArray document = test::ReadWholeFile(doc);
    const struct {
        const char* Name;
        QByteArray Content;
        const char* Reason;
    } files[] = {
        {"big.bin", document + QByteArray(2 << 20, '\x5a'), "3151872 bytes long"},
        {"sig.bin", QByteArray("ZZZZ") + document.mid(4), "signature"},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.Name);
        const QString path = dir.filePath(f.Name);
        ASSERT_TRUE(test::WriteWholeFile(path, f.Content));
        for (const QStringList& writer :
             {QStringList{"edit", path, "--image", "1", "--text1", "x"}, QStringList{"new", path}}) {
            const CliRun refused = RunCli(writer);
            EXPECT_EQ(refused.ExitCode, 1) << writer.join(' ').toStdString();
            EXPECT_TRUE(refused.Err.contains(path) && refused.Err.contains(f.Reason))
                << refused.Err.toStdString();
            test::ExpectSameBytes(test::ReadWholeFile(path), f.Content, writer.join(' '));
        }
        const CliRun read = RunCli({"info", path, "--image", "1"});
        EXPECT_EQ(read.ExitCode, 0);
        EXPECT_TRUE(read.Err.contains("warning: " + path + " is not a document")) << read.Err.toStdString();
    }
    // An empty file holds nothing to lose: new may fill it.
    ASSERT_TRUE(test::WriteWholeFile(dir.filePath("empty.lcd"), {}));
    EXPECT_EQ(RunCli({"new", dir.filePath("empty.lcd")}).ExitCode, 0);
}

TEST_F(CliSafety, AFifoNamedAsTheOutputIsRefusedAndKept) {
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // The command file and the document each look before they write or lock.
    for (const QStringList& writer :
         {QStringList{"command", "delete-all", doc, "-o", fifo}, QStringList{"edit", fifo, "--image", "1"}}) {
        const CliRun run = RunCli(writer, 20000);
        EXPECT_EQ(run.ExitCode, 1) << writer.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains("cannot write " + fifo)) << run.Err.toStdString();
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_FALSE(QFile::exists(fifo + ".lock"));
}

TEST_F(CliSafety, OutputThatCannotBeWrittenIsAFailureAndAGoneReaderIsQuiet) {
    const QString prn = dir.filePath("all.prn");
    ASSERT_EQ(RunCli({"command", "register-all", doc, "-o", prn}).ExitCode, 0);
    // Text streams, a stream flushed half-way, the tool's own usage, raw bytes.
    const QStringList commands[] = {
        {"info", doc}, {"inspect", prn}, {"--help"}, {"command", "register-all", doc, "-o", "-"}};
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        for (const char* redirect : {">/dev/full", ">&-"}) {
            const CliRun run = Shell(QStringLiteral("\"$T\" \"$@\" %1").arg(redirect), command);
            EXPECT_EQ(run.ExitCode, 1) << redirect;
            EXPECT_TRUE(run.Err.contains("cannot write to standard output")) << run.Err.toStdString();
        }
        const CliRun piped = Shell("\"$T\" \"$@\" | head -c 1 >/dev/null", command);
        EXPECT_EQ(piped.ExitCode, 0);
        EXPECT_EQ(piped.Err, QString());
    }
}

TEST_F(CliSafety, AFileSizeLimitFailsTheWriteWithAMessageAndKeepsTheOldFile) {
    const QByteArray before = test::ReadWholeFile(doc);
    const CliRun run =
        Shell("ulimit -f 200; exec \"$T\" \"$@\"", {"edit", doc, "--image", "2", "--text1", "limited"});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("cannot write " + doc)) << run.Err.toStdString();
    test::ExpectSameBytes(test::ReadWholeFile(doc), before);
}

TEST_F(CliSafety, EditsRunningAtOnceAllKeepTheirChanges) {
    constexpr int editors = 6;
    std::unique_ptr<QProcess> running[editors];
    for (int i = 0; i < editors; ++i) {
        running[i] = std::make_unique<QProcess>();
        running[i]->start(Tool, {"edit", doc, "--image", QString::number(i + 1), "--text1",
                                 QStringLiteral("change %1").arg(i + 1)});
    }
    for (auto& process : running) {
        ASSERT_TRUE(process->waitForFinished(60000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    for (int i = 1; i <= editors; ++i)
        EXPECT_TRUE(Info(i).contains(QStringLiteral("Text1: \"change %1\"").arg(i))) << i;
    EXPECT_FALSE(QFile::exists(doc + ".lock"));
}

TEST_F(CliSafety, LostCharactersAreNamedByEditAndStrayBytesWarnedOfByCheck) {
    const CliRun edited = RunCli({"edit", doc, "--image", "4", "--text1", QString::fromUtf8("aЖb联")});
    EXPECT_EQ(edited.ExitCode, 0);
    EXPECT_TRUE(
        edited.Err.contains(QString::fromUtf8("'Ж' (U+0416) stored as \"?\", '联' (U+8054) stored as \"?\"")))
        << edited.Err.toStdString();
    EXPECT_TRUE(Info(4).contains("Text1: \"a?b?\""));

    // Bytes no Shift-JIS text holds: a lead byte followed by a space.
    auto set = std::make_unique<ImageSet>();
    QByteArray bytes = test::ReadWholeFile(doc);
    ASSERT_EQ(bytes.size(), qsizetype(sizeof(ImageSet)));
    std::memcpy(set.get(), bytes.constData(), sizeof(ImageSet));
    ImageRecord& five = set->Record(5);
    five.FontCharset = 128;
    five.Text1.Length = 3;
    std::memcpy(five.Text1.Bytes, "A\x81 ", 3);
    ASSERT_TRUE(
        test::WriteWholeFile(doc, QByteArray(reinterpret_cast<const char*>(set.get()), sizeof(ImageSet))));
    const CliRun checked = RunCli({"check", doc});
    EXPECT_EQ(checked.ExitCode, 3);
    EXPECT_TRUE(checked.Out.contains("image 05: text line 1 holds")) << checked.Out.toStdString();
}

TEST_F(CliSafety, TextsOfADocumentReachTheTerminalEscaped) {
    ASSERT_EQ(RunCli({"edit", doc, "--image", "3", "--text1", "\x1b]0;owned\x07"}).ExitCode, 0);
    const QString shown = Info(3);
    EXPECT_TRUE(shown.contains("Text1: \"\\e]0;owned\\x07\"")) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QChar(0x1b)));
    const CliRun json = RunCli({"info", doc, "--image", "3", "--json"});
    EXPECT_TRUE(json.RawOut.contains("\\u001b]0;owned\\u0007")) << json.RawOut.toStdString();
}

}  // namespace
}  // namespace zozavud
