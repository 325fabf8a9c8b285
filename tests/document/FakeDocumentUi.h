#pragma once
// A DocumentUi that answers from a script and records what the commands asked of it.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "DocumentCommands.h"

namespace zozavud::test {

struct FakeDocumentUi : DocumentUi {
    std::optional<QString> OpenAnswer;  // nullopt = the dialog is cancelled
    std::optional<QString> SaveAnswer;
    SaveChangesAnswer PromptAnswer = SaveChangesAnswer::Yes;
    std::function<void(int)> OnShowImage;

    QStringList Events;  // "open-dialog", "save-dialog", "prompt", "error:...", "show:n"
    QString Caption = QStringLiteral("(unset)");

    std::optional<QString> ChooseOpenPath() override {
        Events << "open-dialog";
        return OpenAnswer;
    }
    std::optional<QString> ChooseSavePath(const QString& proposedPath) override {
        Events << (proposedPath.isEmpty() ? QStringLiteral("save-dialog")
                                          : QStringLiteral("save-dialog:") + proposedPath);
        return SaveAnswer;
    }
    SaveChangesAnswer ConfirmSaveChanges() override {
        Events << "prompt";
        return PromptAnswer;
    }
    void ShowError(const QString& message) override { Events << "error:" + message; }
    void SetCaption(const QString& caption) override { Caption = caption; }
    void ShowImage(int n) override {
        Events << QStringLiteral("show:%1").arg(n);
        if (OnShowImage) OnShowImage(n);
    }
};

}  // namespace zozavud::test
