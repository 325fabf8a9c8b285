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
// 'text', escaped so: a file name or an option's word in a message.
QString Quoted(const QString& text);

// JSON text as QJsonDocument writes it, with the characters it leaves raw that the
// plain output escapes (DEL, C1, the reordering and line-breaking ones) as \uHHHH.
// Those appear only inside strings, so the JSON reads back the same.
QString EscapeJsonForTerminal(const QString& json);

// "'Ж' (U+0416), '😀' (U+1F600)": characters named for a message.
QString NameCharacters(const QStringList& characters);

}  // namespace zozavud::cli
