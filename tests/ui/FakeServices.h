#pragma once
#include <QStringList>
#include <deque>

#include "CommandFileName.h"
#include "MainWindowServices.h"
#include "PrinterSend.h"

namespace zozavud::test {

// Answers the window's dialogs from queues and records what it was asked.
class FakeServices : public MainWindowServices, public PrinterChooser {
public:
    std::deque<std::optional<QString>> OpenAnswers, SaveAnswers, BitmapAnswers, CommandFileAnswers;
    std::deque<SaveChangesAnswer> ConfirmAnswers;  // No once they run out
    std::deque<std::optional<FontSpec>> FontAnswers;
    std::deque<std::optional<QString>> PrinterAnswers;
    QStringList Log;

    std::optional<QString> ChooseOpenPath() override { return Next(OpenAnswers, "open"); }
    std::optional<QString> ChooseSavePath(const QString&) override { return Next(SaveAnswers, "save"); }
    SaveChangesAnswer ConfirmSaveChanges() override {
        Log << "confirm";
        if (ConfirmAnswers.empty()) return SaveChangesAnswer::No;
        const SaveChangesAnswer answer = ConfirmAnswers.front();
        ConfirmAnswers.pop_front();
        return answer;
    }
    void ShowError(const QString& message) override { Log << "error: " + message; }
    void ShowMessage(const QString& message) override { Log << "message: " + message; }
    std::optional<QString> ChooseBitmapFile() override { return Next(BitmapAnswers, "bitmap"); }
    std::optional<FontSpec> ChooseFont(const FontSpec&) override {
        Log << "font";
        if (FontAnswers.empty()) return std::nullopt;
        const FontSpec answer = FontAnswers.front().value_or(FontSpec{});
        const bool given = FontAnswers.front().has_value();
        FontAnswers.pop_front();
        return given ? std::optional<FontSpec>(answer) : std::nullopt;
    }
    CommandFileChooser& CommandFiles() override { return commandFiles_; }
    PrinterChooser& Printers() override { return *this; }
    std::optional<QString> ChoosePrinter(const QString& current, const QStringList&) override {
        Log << "printer: " + current;
        return Next(PrinterAnswers, nullptr);
    }

private:
    // The command-file dialog on its own: its save dialog and the document's share a name.
    struct CommandFileFake : CommandFileChooser {
        explicit CommandFileFake(FakeServices& owner) : Owner(owner) {}
        std::optional<QString> ChooseSavePath(const QString& fileName) override {
            Owner.Log << "command file: " + fileName;
            return Owner.Next(Owner.CommandFileAnswers, nullptr);
        }
        FakeServices& Owner;
    };
    CommandFileFake commandFiles_{*this};

    std::optional<QString> Next(std::deque<std::optional<QString>>& answers, const char* what) {
        if (what) Log << what;
        if (answers.empty()) return std::nullopt;
        const bool given = answers.front().has_value();
        const QString answer = answers.front().value_or(QString());
        answers.pop_front();
        return given ? std::optional<QString>(answer) : std::nullopt;
    }
};

}  // namespace zozavud::test
