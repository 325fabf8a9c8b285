#include <QTemporaryDir>

#include "RecordingSpooler.h"
#include "TestFiles.h"
#include "WindowFixture.h"

namespace zozavud {
namespace {

class WindowSend : public test::Window {
protected:
    void SetUp() override {
        test::Window::SetUp();
        auto recording = std::make_unique<test::RecordingSpooler>();
        spooler = recording.get();
        window->SetSpooler(std::move(recording));
    }
    test::RecordingSpooler* spooler = nullptr;
};

TEST_F(WindowSend, SendsTheCommandAndKeepsTheChosenPrinter) {
    services->PrinterAnswers = {QString("back-office"), QString("back-office")};
    Find<QAction>("ActionSendToPrinterAllImage")->trigger();
    EXPECT_EQ(spooler->Opened, "back-office");
    EXPECT_EQ(spooler->DocumentName, "ORVANEX LCD Customize Data");
    EXPECT_EQ(spooler->Job.size(), 19627);
    EXPECT_TRUE(services->Log.contains("printer: shop-front"));  // the default, before any choice

    window->ShowImage(19);
    Find<QAction>("ActionSendToPrinterDeleteThisImage")->trigger();
    EXPECT_TRUE(services->Log.contains("printer: back-office"));
    EXPECT_EQ(spooler->Job.size(), 39);
    EXPECT_EQ(spooler->Job.right(3), QByteArray("\x30\x42\x12", 3));
    EXPECT_FALSE(state().Modified);
}

TEST_F(WindowSend, CancelSendsNothingAndFailuresAreShown) {
    Find<QAction>("ActionSendToPrinterThisImage")->trigger();  // the chooser is cancelled
    EXPECT_TRUE(spooler->Opened.isEmpty());
    spooler->FailWrites = true;
    services->PrinterAnswers = {QString("shop-front")};
    Find<QAction>("ActionSendToPrinterDeleteAllImages")->trigger();
    EXPECT_TRUE(services->Log.contains("message: WritePrinter Error\nthe queue is full"))
        << services->Log.join(" | ").toStdString();

    spooler->FailWrites = false;
    spooler->Printers.clear();
    Find<QAction>("ActionSendToPrinterThisImage")->trigger();
    EXPECT_TRUE(services->Log.contains(QString("error: No printer is installed.\n") + AddRawQueueHint))
        << services->Log.join(" | ").toStdString();
}

// The command file's message is a file error wherever it appears: the error box.
TEST_F(WindowSend, CommandFileThatCannotBeWrittenIsShownInTheErrorBox) {
    // A temporary folder that is a file: no temporary file can be made in it.
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath("file");
    ASSERT_TRUE(test::WriteWholeFile(notAFolder, "x"));
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", notAFolder.toUtf8());
    services->PrinterAnswers = {QString("shop-front")};
    Find<QAction>("ActionSendToPrinterAllImage")->trigger();
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTemp);
    EXPECT_EQ(services->Log.join(" | "), "error: Can not File open. (" + notAFolder + "/fooXXXXXX)");
    EXPECT_TRUE(spooler->Opened.isEmpty());
}

}  // namespace
}  // namespace zozavud
