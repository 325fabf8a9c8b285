#pragma once
// What the commands share: option parsing, image numbers, loading and saving.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>

#include "CommandEncoder.h"
#include "DocumentLock.h"
#include "EditorState.h"
#include "MessageLanguage.h"

namespace zozavud::cli {

// Parses; on --help prints the help and gives ExitOk, on a bad option prints the
// problem and gives ExitUsage. Returns nullopt when the command should go on.
// arguments[0] is the command ("zozavud-cli edit"), which the help and the usage errors
// name; positionalSyntax names the positionalCount arguments, space-separated.
std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                                  const QString& description, int positionalCount,
                                  const QString& positionalSyntax);

// The message, and where the command's help is, on stderr; gives ExitUsage.
int UsageError(const QCommandLineParser& parser, const QString& message);
int Failure(const QString& message);
// Bytes for "-o -"; false when they did not all go out.
bool WriteToStandardOutput(const QByteArray& bytes);
// A line on stderr for something the command goes on despite.
void Warning(const QString& message);

std::optional<int> ParseImageNumber(const QString& text);
// A --language option, when given, into language; the usage exit code on a word that
// is no language.
std::optional<int> ParseLanguageOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                                       std::optional<MessageLanguage>& language);
// The KIND positional argument and --image, which register and delete require.
// Returns the usage exit code on a problem, nullopt when both are good.
std::optional<int> ParseKindAndImage(const QCommandLineParser& parser, const QCommandLineOption& imageOption,
                                     CommandKind& kind, int& image);

// Language from the locale, then the --language option if given.
void InitLanguage(EditorState& state, std::optional<MessageLanguage> language);

// Read: a file that is not exactly a document (longer, or another signature) is read
// as the editor reads it, with a warning on stderr. Rewrite: such a file is refused,
// for the command would replace it with a document.
enum class DocumentUse { Read, Rewrite };
bool LoadDocumentOrReport(const QString& path, EditorState& state, DocumentUse use = DocumentUse::Read);
bool SaveDocumentOrReport(const QString& path, const EditorState& state);
// For a command that writes a fresh document: an existing file at path must be empty,
// or a document that replaceDocument allows to replace; else it is reported and left alone.
bool ExistingFileMayBeReplacedOrReport(const QString& path, bool replaceDocument);
// Takes the lock that every writer of the document holds from its read to its write;
// a path that is not a regular file is refused first.
bool LockDocumentOrReport(DocumentLock& lock, const QString& path);

}  // namespace zozavud::cli
