#pragma once
#include <QString>

namespace zozavud {

// The name part of a path: the text after its last '/', '\\' or ':'. The caption and the
// command-file names both cut a path here, and nowhere else.
QString FileNamePart(const QString& path);

}  // namespace zozavud
