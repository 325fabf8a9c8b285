#include "CliCommand.h"

namespace zozavud::cli {

int RunNew(const QStringList& arguments);
int RunEdit(const QStringList& arguments);
int RunInfo(const QStringList& arguments);
int RunPreview(const QStringList& arguments);
int RunVersionInfo(const QStringList& arguments);
int RunCommand(const QStringList& arguments);
int RunSend(const QStringList& arguments);
int RunInspect(const QStringList& arguments);
int RunCheck(const QStringList& arguments);
int RunEmulate(const QStringList& arguments);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"new", "Write a fresh document", true, RunNew},
        {"edit", "Edit one image of a document", true, RunEdit},
        {"info", "Show the fields of a document's images", false, RunInfo},
        {"preview", "Write an image's preview, or all 19 as a sheet, as PNG, JPEG or BMP", true, RunPreview},
        {"version-info", "Print an executable's version values", false, RunVersionInfo},
        {"command", "Write a printer command file", false, RunCommand},
        {"send", "Send a printer command to printers", false, RunSend},
        {"inspect", "Check a command file or print job; draw its pictures", false, RunInspect},
        {"check", "Warn about what an image loses on the printer", true, RunCheck},
        {"emulate", "Stand in for a printer: apply raw jobs to a memory document", true, RunEmulate},
    };
    return commands;
}

}  // namespace zozavud::cli
