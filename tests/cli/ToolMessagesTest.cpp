// What the tool says about its own use: help under the command's name, one-line mistakes
// that name what would be right, and the format a picture's name asks for.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CliCommand.h"
#include "CliProcess.h"
#include "PictureOutput.h"
#include "TestFiles.h"

namespace zozavud::cli {
namespace {

struct Outcome {
    int Exit;
    std::string Out, Err;
};

// A command run in this process, as the tool's main runs it, its streams captured.
Outcome RunInProcess(const QString& name, const QStringList& own) {
    for (const CliCommand& command : Commands()) {
        if (name != command.Name) continue;
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int exit = command.Run(QStringList{"zozavud-cli " + name} + own);
        std::string out = testing::internal::GetCapturedStdout();
        return {exit, out, testing::internal::GetCapturedStderr()};
    }
    ADD_FAILURE() << "no command " << name.toStdString();
    return {-1, {}, {}};
}

TEST(ToolMessages, HelpShowedTheProgramPathAndOldImageWordsInsteadOfTheCommand) {
    for (const CliCommand& command : Commands()) {
        const Outcome help = RunInProcess(command.Name, {"--help"});
        EXPECT_EQ(help.Exit, ExitOk);
        const QString text = QString::fromStdString(help.Out);
        EXPECT_TRUE(text.startsWith(QStringLiteral("Usage: zozavud-cli %1 [options]").arg(command.Name)))
            << text.toStdString();
        if (text.contains("--image")) {
            EXPECT_TRUE(text.contains("Image number, 1..19")) << command.Name;
        }
        EXPECT_FALSE(text.contains("current image", Qt::CaseInsensitive)) << command.Name;
    }
}

TEST(ToolMessages, MistakesPrintedTheWholeHelpAndNamedNeitherTheGoodWordsNorTheMissingArgument) {
    const struct {
        const char* Command;
        QStringList Arguments;
        const char* Says;
    } cases[] = {
        {"edit",
         {"d.lcd", "--image", "2", "--style", "bolt"},
         "unknown style 'bolt'; use bold, italic, underline, strikeout"},
        {"edit",
         {"d.lcd", "--image", "2", "--picture", "p.png", "--dither", "stucki"},
         "unknown dither 'stucki'; use none, floyd-steinberg, atkinson, bayer"},
        {"edit",
         {"d.lcd", "--image", "2", "--picture", "p.png", "--fit", "cover"},
         "unknown fit 'cover'; use none, width, height, contain"},
        {"edit", {"d.lcd", "--image", "2", "--blink", "yes"}, "unknown blink 'yes'; use on, off"},
        {"new", {"d.lcd", "--language", "xx"}, "unknown language 'xx'; use en, ja, fr, de, es, it, zh"},
        {"command",
         {"erase", "d.lcd", "-o", "-"},
         "unknown command kind 'erase'; use register, register-all, delete, delete-all"},
        {"edit", {"--image", "2"}, "missing DOC.lcd"},
        {"command", {}, "missing KIND and DOC.lcd"},
        {"version-info", {"a", "b"}, "unexpected argument 'b'"},
        {"preview",
         {"d.lcd", "--image", "1", "-o", "out.gif"},
         "-o 'out.gif': the tool writes .png, .jpg, .jpeg or .bmp"},
    };
    for (const auto& c : cases) {
        const Outcome run = RunInProcess(c.Command, c.Arguments);
        EXPECT_EQ(run.Exit, ExitUsage) << c.Says;
        EXPECT_EQ(run.Err, QStringLiteral("zozavud-cli: %1\nsee 'zozavud-cli %2 --help'\n")
                               .arg(c.Says, c.Command)
                               .toStdString());
    }
}

TEST(ToolMessages, PicturesWereWrittenAsPngWhateverTheirName) {
    const struct {
        const char* Path;
        const char* Format;
    } cases[] = {
        {"a.png", "PNG"},     {"a.PNG", "PNG"},     {"a.jpg", "JPEG"},      {"a.JPEG", "JPEG"},
        {"dir/a.Bmp", "BMP"}, {"-", "PNG"},         {"a.gif", nullptr},     {"a", nullptr},
        {"png", nullptr},     {"a.png/b", nullptr}, {"a.jpg.txt", nullptr},
    };
    for (const auto& c : cases) EXPECT_STREQ(PictureFormatFor(c.Path), c.Format) << c.Path;

    QTemporaryDir dir;
    const QString doc = dir.filePath("d.lcd");
    ASSERT_EQ(RunInProcess("new", {doc}).Exit, ExitOk);
    const struct {
        const char* Name;
        QByteArray Magic;
    } written[] = {{"p.JPG", "\xff\xd8\xff"}, {"p.bmp", "BM"}, {"p.png", "\x89PNG\r\n\x1a\n"}};
    for (const auto& w : written) {
        ASSERT_EQ(RunInProcess("preview", {doc, "--image", "1", "-o", dir.filePath(w.Name)}).Exit, ExitOk);
        EXPECT_TRUE(test::ReadWholeFile(dir.filePath(w.Name)).startsWith(w.Magic)) << w.Name;
    }
    const Outcome piped = RunInProcess("preview", {doc, "--image", "1", "-o", "-"});
    EXPECT_EQ(piped.Exit, ExitOk);
    EXPECT_EQ(piped.Out.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_FALSE(QFileInfo::exists("-"));
}

TEST(ToolMessages, AMissingFaceWasStoredWithoutSayingWhatDrawsIt) {
    QTemporaryDir dir;
    const QString doc = dir.filePath("d.lcd");
    ASSERT_EQ(RunInProcess("new", {doc}).Exit, ExitOk);
    const Outcome missing = RunInProcess("edit", {doc, "--image", "2", "--font", "No Such Face"});
    EXPECT_EQ(missing.Exit, ExitOk);
    EXPECT_EQ(QString::fromStdString(missing.Err)
                  .indexOf("zozavud-cli: warning: image 2: font \"No Such Face\" is not installed: "
                           "the text is drawn in \""),
              0)
        << missing.Err;
    const Outcome known = RunInProcess("edit", {doc, "--image", "2", "--font", "Tahoma"});
    EXPECT_EQ(known.Exit, ExitOk);
    EXPECT_EQ(known.Err, "");
}

// The one check through the program: --version is answered before any command runs.
TEST(ToolMessages, VersionOptionWasAnUnknownCommand) {
    const test::CliRun values = test::RunCli({"version-info", ZOZAVUD_BINARY_DIR "/bin/zozavud-cli"});
    ASSERT_TRUE(values.Out.startsWith("CompanyName=" ZOZAVUD_EXPECTED_COMPANY "\n"));
    for (const char* option : {"--version", "-V"}) {
        const test::CliRun run = test::RunCli({option});
        EXPECT_EQ(run.ExitCode, 0) << option;
        EXPECT_EQ(run.Out, values.Out) << option;
    }
}

}  // namespace
}  // namespace zozavud::cli
