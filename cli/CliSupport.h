#pragma once
// What the commands share: option parsing, image numbers, loading and saving.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "CommandEncoder.h"
#include "EditorState.h"
#include "MessageLanguage.h"

namespace zozavud::cli {

// Parses; on --help prints the help and gives ExitOk, on a bad option prints the
// problem and gives ExitUsage. Returns nullopt when the command should go on.
std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                                  const QString& description, int positionalCount,
                                  const QString& positionalSyntax);

int UsageError(const QCommandLineParser& parser, const QString& message);
int Failure(const QString& message);

std::optional<int> ParseImageNumber(const QString& text);
std::optional<MessageLanguage> ParseLanguageCode(const QString& code);
// register, register-all, delete, delete-all.
std::optional<CommandKind> ParseCommandKind(const QString& text);
// The KIND positional argument and --image, which register and delete require.
// Returns the usage exit code on a problem, nullopt when both are good.
std::optional<int> ParseKindAndImage(const QCommandLineParser& parser,
                                     const QCommandLineOption& imageOption, CommandKind& kind,
                                     int& image);

// Language from the locale, then the --language option if given.
void InitLanguage(EditorState& state, std::optional<MessageLanguage> language);

bool LoadDocumentOrReport(const QString& path, EditorState& state);
bool SaveDocumentOrReport(const QString& path, const EditorState& state);

}  // namespace zozavud::cli
