#pragma once
// Text from documents and files, made safe to print on a terminal.

#include <QString>
#include <QStringList>

namespace zozavud::cli {

// Control characters (C0, DEL, C1) and the characters that reorder or break a line on
// screen (bidirectional controls, line and paragraph separators) become escapes: \t, \n,
// \r, \e, \xHH below U+0100, \u{HHHH} above; a backslash becomes \\ so that the output
// reads back unambiguously. Everything else is kept.
QString EscapeForTerminal(const QString& text);

// "'Ж' (U+0416), '😀' (U+1F600)": characters named for a message.
QString NameCharacters(const QStringList& characters);

}  // namespace zozavud::cli
