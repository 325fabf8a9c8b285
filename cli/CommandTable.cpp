#include "CliCommand.h"

namespace zozavud::cli {

int RunNew(const QStringList& arguments);
int RunEdit(const QStringList& arguments);
int RunInfo(const QStringList& arguments);
int RunPreview(const QStringList& arguments);
int RunVersionInfo(const QStringList& arguments);
int RunCommand(const QStringList& arguments);
int RunSend(const QStringList& arguments);

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"new", "Write a fresh document", true, RunNew},
        {"edit", "Edit one image of a document", true, RunEdit},
        {"info", "Show the fields of a document's images", false, RunInfo},
        {"preview", "Write an image's preview as PNG", true, RunPreview},
        {"version-info", "Print an executable's version values", false, RunVersionInfo},
        {"command", "Write a printer command file", false, RunCommand},
        {"send", "Send a printer command to printers", false, RunSend},
    };
    return commands;
}

}  // namespace zozavud::cli
