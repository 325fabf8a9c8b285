#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace zozavud {

// The editor's one optional argument, a document to open, as an absolute path; an empty
// path without it, nullopt with a usage message for anything else.
std::optional<QString> DocumentArgument(const QStringList& arguments, QString* problem);

// Program entry: single instance, the two windows, the initial state, the message loop.
int RunEditor(int argc, char** argv);

}  // namespace zozavud
