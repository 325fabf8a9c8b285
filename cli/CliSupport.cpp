#include "CliSupport.h"

#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "AtomicFile.h"
#include "CliCommand.h"
#include "DocumentIo.h"
#include "OptionTables.h"
#include "SystemLocale.h"
#include "TerminalText.h"
#include "UsageText.h"

namespace zozavud::cli {

namespace {

// "zozavud-cli edit": the command being parsed, which its help and its mistakes name.
QString& RunningCommand() {
    static QString command = QStringLiteral("zozavud-cli");
    return command;
}

}  // namespace

std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                                  const QString& description, int positionalCount,
                                  const QString& positionalSyntax) {
    RunningCommand() = arguments.value(0, QStringLiteral("zozavud-cli"));
    parser.setApplicationDescription(description);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    parser.addOption(help);
    if (!positionalSyntax.isEmpty()) parser.addPositionalArgument(positionalSyntax, "");
    if (!parser.parse(arguments)) return UsageError(parser, EscapeForTerminal(parser.errorText()));
    if (parser.isSet(help)) {
        QTextStream(stdout) << CommandHelpText(parser, RunningCommand());
        return ExitOk;
    }
    Q_ASSERT(positionalSyntax.split(' ', Qt::SkipEmptyParts).size() == positionalCount);
    if (const QString problem = PositionalProblem(positionalSyntax, parser.positionalArguments());
        !problem.isEmpty())
        return UsageError(parser, problem);
    return std::nullopt;
}

int UsageError(const QCommandLineParser&, const QString& message) {
    QTextStream(stderr) << "zozavud-cli: " << message << "\n" << HelpHint(RunningCommand()) << "\n";
    return ExitUsage;
}

int Failure(const QString& message) {
    QTextStream(stderr) << "zozavud-cli: " << message << "\n";
    return ExitFailure;
}

bool WriteToStandardOutput(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) ==
               static_cast<size_t>(bytes.size()) &&
           std::fflush(stdout) == 0;
}

void Warning(const QString& message) { QTextStream(stderr) << "zozavud-cli: warning: " << message << "\n"; }

std::optional<int> ParseImageNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1 || n > ImageCount) return std::nullopt;
    return n;
}

std::optional<int> ParseLanguageOption(const QCommandLineParser& parser, const QCommandLineOption& option,
                                       std::optional<MessageLanguage>& language) {
    if (!parser.isSet(option)) return std::nullopt;
    language = LanguageWords().Parse(parser.value(option));
    if (!language) return UsageError(parser, UnknownWord("language", parser.value(option), LanguageWords()));
    return std::nullopt;
}

std::optional<int> ParseKindAndImage(const QCommandLineParser& parser, const QCommandLineOption& imageOption,
                                     CommandKind& kind, int& image) {
    const QString kindText = parser.positionalArguments().value(0);
    const std::optional<CommandKind> parsed = CommandKindWords().Parse(kindText);
    if (!parsed) return UsageError(parser, UnknownWord("command kind", kindText, CommandKindWords()));
    kind = *parsed;
    if (LayoutOf(kind).NeedsImage && !parser.isSet(imageOption))
        return UsageError(parser, "--image is required for " + kindText);
    image = 1;
    if (parser.isSet(imageOption)) {
        const std::optional<int> n = ParseImageNumber(parser.value(imageOption));
        if (!n) return UsageError(parser, "--image must be 1..19");
        image = *n;
    }
    return std::nullopt;
}

void InitLanguage(EditorState& state, std::optional<MessageLanguage> language) {
    state.Language.InitLanguage(SystemDefaultLocaleId());
    if (language) {
        state.Language.SetSelectedLanguage(*language);
        state.Language.RecomputeMessageFont();
    }
}

bool LoadDocumentOrReport(const QString& path, EditorState& state, DocumentUse use) {
    QString error, notADocument;
    // Into a set of its own first: a refused file must leave the state as it was.
    auto read = std::make_unique<ImageSet>();
    if (!LoadImageSetFile(path, *read, &error, &notADocument)) {
        Failure(QStringLiteral("cannot read %1: %2").arg(EscapeForTerminal(path), EscapeForTerminal(error)));
        return false;
    }
    if (!notADocument.isEmpty() && use == DocumentUse::Rewrite) {
        Failure(QStringLiteral("%1 is not a document: %2; it is left untouched")
                    .arg(EscapeForTerminal(path), notADocument));
        return false;
    }
    if (!notADocument.isEmpty())
        Warning(QStringLiteral("%1 is not a document: %2; reading its first %3 bytes as one")
                    .arg(EscapeForTerminal(path), notADocument)
                    .arg(sizeof(ImageSet)));
    *state.Set = *read;
    return true;
}

bool ExistingFileMayBeReplacedOrReport(const QString& path, bool replaceDocument) {
    const QFileInfo info(path);
    if (!info.exists() || (info.isFile() && info.size() == 0)) return true;
    EditorState existing;
    if (!LoadDocumentOrReport(path, existing, DocumentUse::Rewrite)) return false;
    if (replaceDocument) return true;
    Failure(EscapeForTerminal(path) + " is a document already; it is left untouched (--force replaces it)");
    return false;
}

bool LockDocumentOrReport(DocumentLock& lock, const QString& path) {
    // Not even a lock file beside a device or FIFO: nothing is written there.
    if (const QString problem = NonRegularTargetProblem(path); !problem.isEmpty()) {
        Failure(QStringLiteral("cannot write %1: %2").arg(EscapeForTerminal(path), problem));
        return false;
    }
    QString error;
    // Where no lock file can be made, the document cannot be written either, and the
    // write says why in its own words.
    if (!DocumentLock::StopsTheWrite(lock.Acquire(DocumentLock::DefaultWaitMs, &error))) return true;
    Failure(QStringLiteral("cannot lock %1: %2").arg(EscapeForTerminal(path), EscapeForTerminal(error)));
    return false;
}

bool SaveDocumentOrReport(const QString& path, const EditorState& state) {
    QString error;
    if (SaveImageSetFile(path, *state.Set, &error)) return true;
    Failure(QStringLiteral("cannot write %1: %2").arg(EscapeForTerminal(path), EscapeForTerminal(error)));
    return false;
}

}  // namespace zozavud::cli
