#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include "AtomicFile.h"
#include "CliCommand.h"
#include "CliSupport.h"
#include "CommandAudit.h"
#include "RegisteredPicture.h"
#include "TerminalText.h"

namespace zozavud::cli {

namespace {

constexpr qint64 MaxAuditedSize = qint64{64} << 20;

QString Offset(int64_t offset) { return QStringLiteral("offset %1 (0x%2)").arg(offset).arg(offset, 0, 16); }

void ListCommands(QTextStream& out, const QString& path, int64_t size, const Audit& audit) {
    out << path << ": " << size << " bytes, " << audit.CommandCount << " command(s)\n";
    int number = 0;
    for (const AuditedCommand& command : audit.Commands) {
        out << "command " << ++number << " at " << Offset(command.Offset) << ": " << KindName(command.Kind);
        if (BodyOf(command) == CommandBody::Entries)
            out << ", " << command.Entries.size() << (command.Entries.size() == 1 ? " entry" : " entries");
        if (command.DeleteIndex) out << ", image " << *command.DeleteIndex + 1;
        out << "\n";
        for (const AuditedEntry& entry : command.Entries)
            out << "  entry at " << Offset(entry.Offset) << ": image " << entry.Index + 1 << ", blink "
                << entry.Blink << ", scroll " << entry.Scroll << (entry.Complete ? "" : " (cut short)")
                << "\n";
    }
    const int64_t unlisted = audit.CommandCount - static_cast<int64_t>(audit.Commands.size());
    if (unlisted > 0) out << "and " << unlisted << " more command(s)\n";
}

// The folders that making path would create, deepest first.
QStringList MissingFolders(const QString& path) {
    QStringList missing;
    for (QFileInfo at(QDir(path).absolutePath()); !at.exists() && !at.isSymLink(); at = QFileInfo(at.path()))
        missing << at.filePath();
    return missing;
}

// Writes image_NN.png for every picture the printer holds after the commands. The folder
// is made for the first picture; when that fails, the folders made for it are removed.
bool WritePictures(QTextStream& out, const QString& directory, const Audit& audit) {
    const QStringList made = MissingFolders(directory);
    const RegisteredPictures held = ReplayCommands(audit);
    int written = 0;
    auto fail = [&](const QString& message) {
        Failure(message);
        if (written == 0)
            for (const QString& folder : made) QDir().rmdir(folder);  // only empty ones go
        return false;
    };
    for (int index = 0; index < ImageCount; ++index) {
        if (!held.Slots[index]) continue;
        if (written == 0 && !QDir().mkpath(directory))
            return fail("cannot create the folder " + EscapeForTerminal(directory));
        const QString path =
            QDir(directory).filePath(QStringLiteral("image_%1.png").arg(index + 1, 2, 10, QLatin1Char('0')));
        const QByteArray png = RegisteredPicturePng(held.Slots[index]->Pixels);
        QString error;
        if (png.isEmpty() || !WriteFileAtomically(path, png, &error))
            return fail(QStringLiteral("cannot write %1: %2")
                            .arg(EscapeForTerminal(path),
                                 png.isEmpty() ? "PNG encoding failed" : EscapeForTerminal(error)));
        out << "wrote " << path << "\n";
        ++written;
    }
    return true;
}

struct InspectOptions {
    QString Path;
    std::optional<QString> PictureFolder;
};

std::optional<int> ParseInspect(const QStringList& arguments, InspectOptions& options) {
    QCommandLineParser parser;
    const QCommandLineOption png("png", "Draw each registered picture into DIR as image_NN.png.", "DIR");
    parser.addOption(png);
    if (auto exit = ParseArguments(parser, arguments,
                                   "Checks a command file or a captured print job against the\n"
                                   "command layouts, lists its entries and, with --png, draws the\n"
                                   "pictures the printer would hold. Exit 0 when clean, 1 when the\n"
                                   "file has problems or cannot be read.",
                                   1, "FILE.prn"))
        return *exit;
    if (parser.isSet(png) && parser.value(png).isEmpty()) return UsageError(parser, "--png needs a folder");
    options.Path = parser.positionalArguments().at(0);
    if (parser.isSet(png)) options.PictureFolder = parser.value(png);
    return std::nullopt;
}

// The whole file, or nullopt after saying why it cannot be read.
std::optional<QByteArray> ReadJobFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Failure(QStringLiteral("cannot read %1: %2").arg(EscapeForTerminal(path), file.errorString()));
        return std::nullopt;
    }
    // A device or an endless pipe must not eat the memory; real jobs are a few KiB.
    const QByteArray data = file.read(MaxAuditedSize + 1);
    if (file.error() != QFileDevice::NoError) {
        Failure(QStringLiteral("cannot read %1: %2").arg(EscapeForTerminal(path), file.errorString()));
        return std::nullopt;
    }
    if (data.size() > MaxAuditedSize) {
        Failure(QStringLiteral("cannot read %1: larger than %2 MiB, not a command file")
                    .arg(EscapeForTerminal(path))
                    .arg(MaxAuditedSize >> 20));
        return std::nullopt;
    }
    return data;
}

int ExecuteInspect(const InspectOptions& options) {
    const QString& path = options.Path;
    const std::optional<QByteArray> data = ReadJobFile(path);
    if (!data) return ExitFailure;

    const Audit audit = AuditCommands(*data);
    QTextStream out(stdout);
    ListCommands(out, path, data->size(), audit);
    const bool pictures = !options.PictureFolder || WritePictures(out, *options.PictureFolder, audit);
    out.flush();

    QTextStream err(stderr);
    for (const AuditProblem& problem : audit.Problems)
        err << path << ": " << Offset(problem.Offset) << ": " << problem.Message << "\n";
    const int64_t untold = audit.ProblemCount - static_cast<int64_t>(audit.Problems.size());
    if (untold > 0) err << path << ": and " << untold << " more problem(s)\n";
    if (!audit.Clean())
        err << path << ": " << audit.ProblemCount << " problem(s)\n";
    else
        out << path << ": clean\n";
    return audit.Clean() && pictures ? ExitOk : ExitFailure;
}

}  // namespace

int RunInspect(const QStringList& arguments) {
    InspectOptions options;
    if (auto exit = ParseInspect(arguments, options)) return *exit;
    return ExecuteInspect(options);
}

}  // namespace zozavud::cli
