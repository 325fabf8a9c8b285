#pragma once
#include <QString>

namespace zozavud {

// The help file beside an executable: the extension of its file name (after the last
// dot) replaced by ".chm", or ".chm" appended when the name has none.
QString HelpFilePath(const QString& executablePath);

// Opens the running executable's help file with the desktop's default handler. Whether
// that works is not examined: a missing help file is not reported.
void OpenHelpFileOnDesktop();

}  // namespace zozavud
