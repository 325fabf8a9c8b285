#pragma once
// What a command says about its own use: its help under its own name, and the short
// messages of a mistake, each naming what would have been right.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include "OptionWords.h"
#include "TerminalText.h"

namespace zozavud::cli {

// The parser's help with the usage line naming the command ("zozavud-cli edit")
// instead of the program's path.
QString CommandHelpText(const QCommandLineParser& parser, const QString& command);
// "see 'zozavud-cli edit --help'": the line under a usage error.
QString HelpHint(const QString& command);

// "missing DOC.lcd", "missing KIND and DOC.lcd", "unexpected argument 'x'": what is wrong
// with the arguments given against the space-separated syntax; empty when they match.
QString PositionalProblem(const QString& syntax, const QStringList& given);

// The --image option of every command that takes one; use says what it is for there.
QCommandLineOption ImageOption(const QString& use = QString());

// "unknown style 'bolt'; use bold, italic, underline, strikeout".
template <typename T>
QString UnknownWord(const QString& what, const QString& text, const OptionWords<T>& words) {
    return QStringLiteral("unknown %1 %2; use %3").arg(what, Quoted(text), words.Listed());
}

}  // namespace zozavud::cli
