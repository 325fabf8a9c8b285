#pragma once
#include <QImage>
#include <functional>
#include <memory>

#include "CommandFileName.h"
#include "DocumentDialogs.h"
#include "MainWindowServices.h"

class QWidget;

namespace zozavud {

// The real dialogs and boxes, parented to the main window.
class QtMainWindowServices : public MainWindowServices {
public:
    explicit QtMainWindowServices(QWidget* parent);
    ~QtMainWindowServices() override;

    std::optional<QString> ChooseOpenPath() override;
    std::optional<QString> ChooseSavePath(const QString& proposedPath) override;
    SaveChangesAnswer ConfirmSaveChanges() override;
    void ShowError(const QString& message) override;
    void ShowMessage(const QString& message) override;
    std::optional<QString> ChooseBitmapFile() override;
    std::optional<FontSpec> ChooseFont(const FontSpec& current) override;
    // How the font dialog draws the current image in a font it offers.
    void SetFontPreview(std::function<QImage(const FontSpec&)> preview) { fontPreview_ = std::move(preview); }
    CommandFileChooser& CommandFiles() override { return *commandFiles_; }
    PrinterChooser& Printers() override { return *printers_; }

private:
    QWidget* parent_;
    LcdFileDialogs documents_;
    QString lastBitmapPath_;
    std::unique_ptr<CommandFileChooser> commandFiles_;
    std::unique_ptr<PrinterChooser> printers_;
    std::function<QImage(const FontSpec&)> fontPreview_;
};

}  // namespace zozavud
