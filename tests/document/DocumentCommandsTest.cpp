// The save prompt, the order of dialogs and prompt, and the caption.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "DocumentCommands.h"
#include "DocumentTestData.h"
#include "FakeDocumentUi.h"
#include "SameBytes.h"
#include "TestFiles.h"

namespace zozavud::test {
namespace {

constexpr char Title[] = "ORVANEX QD-N800 Series LCD Editor";

TEST(DocumentCaption, NamesTheFileOnlyAndIsTheBareTitleWithout) {
    struct Case {
        const char* path;
        QString caption;
    };
    const Case cases[] = {
        {"", Title},
        {"/home/user/docs/shop.lcd", QString("shop.lcd - ") + Title},
        {"shop.lcd", QString("shop.lcd - ") + Title},
        {"/tmp/a b/Ünïcode ü.lcd", QString::fromUtf8("Ünïcode ü.lcd - ") + Title},
        {"/tmp/no-extension", QString("no-extension - ") + Title},
        // The same cut as the command-file names.
        {"C:\\docs\\shop.lcd", QString("shop.lcd - ") + Title},
        {"D:shop.lcd", QString("shop.lcd - ") + Title},
    };
    for (const Case& c : cases) {
        EditorState state;
        FakeDocumentUi ui;
        DocumentCommands commands(state, ui);
        commands.SetDocumentFileName(QString::fromUtf8(c.path));
        EXPECT_EQ(ui.Caption, c.caption) << c.path;
        EXPECT_EQ(state.FileName, QString::fromUtf8(c.path));
    }
}

// How the prompt is answered, and what then becomes of the save.
enum class Answer { NotModified, No, Cancelled, YesSaved, YesDialogCancelled, YesSaveFails };

struct PromptCase {
    const char* name;
    Answer answer;
    bool hasFileName;
    bool goesOn;
    bool modifiedAfter;
    QStringList events;
};

void PrintTo(const PromptCase& c, std::ostream* out) { *out << c.name; }

class PromptTest : public ::testing::TestWithParam<PromptCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        FillPatternedSet(*state_.Set, 11);
        const PromptCase& c = GetParam();
        state_.Modified = c.answer != Answer::NotModified;
        ui_.PromptAnswer = c.answer == Answer::No          ? SaveChangesAnswer::No
                           : c.answer == Answer::Cancelled ? SaveChangesAnswer::Cancel
                                                           : SaveChangesAnswer::Yes;
        if (c.hasFileName) commands_.SetDocumentFileName(Target());
        if (c.answer == Answer::YesSaved && !c.hasFileName) ui_.SaveAnswer = Target();
        if (c.answer == Answer::YesSaveFails) {
            commands_.SetDocumentFileName(dir_.filePath("missing/old.lcd"));
            ui_.SaveAnswer = dir_.filePath("missing/old.lcd");
        }
    }
    QString Target() const { return dir_.filePath("old.lcd"); }
    QStringList Expected(QStringList events) const {
        events.replaceInStrings("%path", dir_.path());
        return events;
    }
    void ExpectOutcome(bool wentOn) {
        const PromptCase& c = GetParam();
        EXPECT_EQ(wentOn, c.goesOn);
        EXPECT_EQ(state_.Modified, c.modifiedAfter);
        EXPECT_EQ(QFile::exists(Target()), c.answer == Answer::YesSaved);
    }

    QTemporaryDir dir_;
    EditorState state_;
    FakeDocumentUi ui_;
    DocumentCommands commands_{state_, ui_};
};

// New and the close of the window both run the prompt and go on only when it says so.
TEST_P(PromptTest, NewAndCloseGoOnOnlyWhenNothingIsLost) {
    const bool goesOn = commands_.AskSaveChanges();
    ExpectOutcome(goesOn);
    EXPECT_EQ(ui_.Events, Expected(GetParam().events));
}

TEST_P(PromptTest, OpenAsksAfterTheDialogAndReplacesOnlyWhenItGoesOn) {
    EditorState other;
    FillPatternedSet(*other.Set, 12);
    const QString next = dir_.filePath("next.lcd");
    ASSERT_TRUE(WriteWholeFile(next, SetBytes(*other.Set)));
    const QByteArray before = SetBytes(*state_.Set);
    const QString nameBefore = state_.FileName;

    ui_.OpenAnswer = next;
    commands_.ActionFileOpenExecute();

    const bool replaced = SetBytes(*state_.Set) != before;
    ExpectOutcome(replaced);
    QStringList expected = Expected(GetParam().events);
    expected.prepend("open-dialog");
    if (GetParam().goesOn) expected << "show:1";
    EXPECT_EQ(ui_.Events, expected);
    EXPECT_EQ(state_.FileName, replaced ? next : nameBefore);
    if (replaced) {
        test::ExpectSameBytes(SetBytes(*state_.Set), SetBytes(*other.Set));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PromptTest,
    ::testing::Values(
        PromptCase{"NotModified", Answer::NotModified, false, true, false, {}},
        PromptCase{"No", Answer::No, false, true, false, {"prompt"}},
        // Escape or the box closed: the document stays as it was, still modified.
        PromptCase{"Cancelled", Answer::Cancelled, true, false, true, {"prompt"}},
        PromptCase{"YesWithName", Answer::YesSaved, true, true, false, {"prompt"}},
        PromptCase{"YesWithoutName", Answer::YesSaved, false, true, false, {"prompt", "save-dialog"}},
        PromptCase{
            "YesDialogCancelled", Answer::YesDialogCancelled, false, false, true, {"prompt", "save-dialog"}},
        PromptCase{"YesSaveFails",
                   Answer::YesSaveFails,
                   true,
                   false,
                   true,
                   {"prompt", "error:Can not File save. (%path/missing/old.lcd)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentOpen, CancelledDialogAsksNothingAndChangesNothing) {
    EditorState state;
    state.Modified = true;
    FakeDocumentUi ui;
    DocumentCommands commands(state, ui);
    commands.ActionFileOpenExecute();
    EXPECT_EQ(ui.Events, QStringList{"open-dialog"});
    EXPECT_TRUE(state.Modified);
}

TEST(DocumentOpen, UnreadableFileAfterNoKeepsTheOldDocumentUnmarked) {
    QTemporaryDir dir;
    EditorState state;
    FillPatternedSet(*state.Set, 13);
    const QByteArray before = SetBytes(*state.Set);
    state.Modified = true;
    FakeDocumentUi ui;
    ui.PromptAnswer = SaveChangesAnswer::No;
    ui.OpenAnswer = dir.filePath("gone.lcd");
    DocumentCommands commands(state, ui);
    commands.ActionFileOpenExecute();
    EXPECT_EQ(ui.Events,
              QStringList({"open-dialog", "prompt",
                           "error:Can not File open. (" + *ui.OpenAnswer + ")\nNo such file or directory"}));
    EXPECT_FALSE(state.Modified);
    test::ExpectSameBytes(SetBytes(*state.Set), before);
    EXPECT_TRUE(state.FileName.isEmpty());
}

TEST(DocumentSave, SaveAsTakesTheNewNameAndSaveThenUsesIt) {
    QTemporaryDir dir;
    EditorState state;
    FakeDocumentUi ui;
    DocumentCommands commands(state, ui);
    commands.SetDocumentFileName(dir.filePath("first.lcd"));
    state.SelectImage(7);
    ui.SaveAnswer = dir.filePath("second.lcd");
    commands.ActionFileSaveAsExecute();
    EXPECT_EQ(ui.Caption, QString("second.lcd - ") + Title);
    EXPECT_TRUE(QFile::exists(dir.filePath("second.lcd")));
    EXPECT_FALSE(QFile::exists(dir.filePath("first.lcd")));
    EXPECT_EQ(state.CurrentImage, 7);

    ui.Events.clear();
    state.Modified = true;
    commands.ActionFileSaveExecute();
    EXPECT_TRUE(ui.Events.isEmpty());  // a named document saves without a dialog
    EXPECT_FALSE(state.Modified);
}

TEST(DocumentSave, CancelledOrEmptySaveDialogSavesNothing) {
    EditorState state;
    state.Modified = true;
    FakeDocumentUi ui;
    DocumentCommands commands(state, ui);
    for (const std::optional<QString>& answer : {std::optional<QString>{}, std::optional(QString())}) {
        ui.SaveAnswer = answer;
        EXPECT_FALSE(commands.SaveDocument());
        EXPECT_TRUE(state.Modified);
        EXPECT_TRUE(state.FileName.isEmpty());
        EXPECT_EQ(ui.Caption, "(unset)");
    }
    EXPECT_EQ(ui.Events, QStringList({"save-dialog", "save-dialog"}));
}

}  // namespace
}  // namespace zozavud::test
