#include "CliSupport.h"

#include <QFileInfo>
#include <QTextStream>
#include <memory>

#include "AtomicFile.h"
#include "CliCommand.h"
#include "DocumentIo.h"
#include "OptionTables.h"
#include "SystemLocale.h"

namespace zozavud::cli {

std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                                  const QString& description, int positionalCount,
                                  const QString& positionalSyntax) {
    parser.setApplicationDescription(description);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    parser.addOption(help);
    if (!positionalSyntax.isEmpty()) parser.addPositionalArgument(positionalSyntax, "");
    if (!parser.parse(arguments)) return UsageError(parser, parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return ExitOk;
    }
    if (parser.positionalArguments().size() != positionalCount)
        return UsageError(parser, QStringLiteral("expected %1 argument(s)").arg(positionalCount));
    return std::nullopt;
}

int UsageError(const QCommandLineParser& parser, const QString& message) {
    QTextStream(stderr) << "zozavud-cli: " << message << "\n\n" << parser.helpText();
    return ExitUsage;
}

int Failure(const QString& message) {
    QTextStream(stderr) << "zozavud-cli: " << message << "\n";
    return ExitFailure;
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
    if (!language) return UsageError(parser, "unknown language " + parser.value(option));
    return std::nullopt;
}

std::optional<int> ParseKindAndImage(const QCommandLineParser& parser, const QCommandLineOption& imageOption,
                                     CommandKind& kind, int& image) {
    const QString kindText = parser.positionalArguments().value(0);
    const std::optional<CommandKind> parsed = CommandKindWords().Parse(kindText);
    if (!parsed) return UsageError(parser, "unknown command kind " + kindText);
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
        Failure(QStringLiteral("cannot read %1: %2").arg(path, error));
        return false;
    }
    if (!notADocument.isEmpty() && use == DocumentUse::Rewrite) {
        Failure(QStringLiteral("%1 is not a document: %2; it is left untouched").arg(path, notADocument));
        return false;
    }
    if (!notADocument.isEmpty())
        Warning(QStringLiteral("%1 is not a document: %2; reading its first %3 bytes as one")
                    .arg(path, notADocument)
                    .arg(sizeof(ImageSet)));
    *state.Set = *read;
    return true;
}

bool ExistingFileMayBeReplacedOrReport(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || (info.isFile() && info.size() == 0)) return true;
    EditorState existing;
    return LoadDocumentOrReport(path, existing, DocumentUse::Rewrite);
}

bool LockDocumentOrReport(DocumentLock& lock, const QString& path) {
    // Not even a lock file beside a device or FIFO: nothing is written there.
    if (const QString problem = NonRegularTargetProblem(path); !problem.isEmpty()) {
        Failure(QStringLiteral("cannot write %1: %2").arg(path, problem));
        return false;
    }
    QString error;
    // Where no lock file can be made, the document cannot be written either, and the
    // write says why in its own words.
    if (lock.Acquire(DocumentLock::DefaultWaitMs, &error) != DocumentLock::Result::Busy) return true;
    Failure(QStringLiteral("cannot lock %1: %2").arg(path, error));
    return false;
}

bool SaveDocumentOrReport(const QString& path, const EditorState& state) {
    QString error;
    if (SaveImageSetFile(path, *state.Set, &error)) return true;
    Failure(QStringLiteral("cannot write %1: %2").arg(path, error));
    return false;
}

}  // namespace zozavud::cli
