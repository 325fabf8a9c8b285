#include <QBuffer>
#include <QImage>

#include "AtomicFile.h"
#include "CliCommand.h"
#include "CliSupport.h"
#include "ContactSheet.h"
#include "LcdRenderer.h"
#include "PictureOutput.h"
#include "PreviewScaling.h"
#include "RecordRender.h"
#include "TerminalText.h"
#include "UsageText.h"

namespace zozavud::cli {

namespace {

// Encodes the picture in the format its name asks for and writes it whole, or leaves any
// older file as it was; "-" is stdout.
int WritePicture(const QImage& picture, const QString& path) {
    const char* format = PictureFormatFor(path);
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!format || !picture.save(&buffer, format))
        return Failure(QStringLiteral("cannot encode the picture as %1").arg(QLatin1String(format)));
    if (path == QLatin1String("-")) return WriteToStandardOutput(encoded) ? ExitOk : ExitFailure;
    QString error;
    if (!WriteFileAtomically(path, encoded, &error))
        return Failure(
            QStringLiteral("cannot write %1: %2").arg(EscapeForTerminal(path), EscapeForTerminal(error)));
    return ExitOk;
}

// The contact sheet of the whole document, from the pictures as stored.
int WriteContactSheet(const QString& documentPath, const QString& path, int scale) {
    EditorState state;
    InitLanguage(state, std::nullopt);
    if (!LoadDocumentOrReport(documentPath, state)) return ExitFailure;
    return WritePicture(DrawContactSheet(*state.Set, scale), path);
}

struct PreviewOptions {
    QString Path, Output;
    bool All = false;  // the sheet of all 19 instead of one image
    int Image = 1, Scale = 2, Ticks = 0;
};

// --all: the sheet, drawn at rest, so without an image or ticks.
std::optional<int> ParseSheet(const QCommandLineParser& parser, const QCommandLineOption& scale,
                              PreviewOptions& options) {
    bool valid = false;
    options.Scale = parser.value(scale).toInt(&valid);
    if (!valid || options.Scale < 1 || options.Scale > ContactSheetMaxScale)
        return UsageError(parser,
                          QStringLiteral("--scale must be 1..%1 with --all").arg(ContactSheetMaxScale));
    return std::nullopt;
}

std::optional<int> ParsePreview(const QStringList& arguments, PreviewOptions& options) {
    QCommandLineParser parser;
    const QCommandLineOption image = ImageOption();
    const QCommandLineOption output(
        {"o", "output"},
        "Picture file to write, " + PictureExtensions() + " (the format it names); - for PNG on stdout.",
        "OUT.png");
    const QCommandLineOption scale("scale", "Pixels per dot (default 2).", "K", "2");
    const QCommandLineOption ticks("ticks", "Animation ticks before the picture is taken.", "T", "0");
    const QCommandLineOption all("all", "All 19 pictures at rest, numbered, in one sheet (scale 1..8).");
    parser.addOptions({image, output, scale, ticks, all});
    if (auto exit =
            ParseArguments(parser, arguments,
                           "Writes the preview of an image, or with --all a sheet of all 19.", 1, "DOC.lcd"))
        return *exit;
    options.Path = parser.positionalArguments().at(0);
    options.Output = parser.value(output);
    if (parser.isSet(output) && !PictureFormatFor(options.Output))
        return UsageError(parser,
                          "-o " + Quoted(options.Output) + ": the tool writes " + PictureExtensions());
    options.All = parser.isSet(all);
    if (options.All) {
        if (parser.isSet(image) || parser.isSet(ticks))
            return UsageError(parser, "--all excludes --image and --ticks");
        if (!parser.isSet(output)) return UsageError(parser, "-o is required");
        return ParseSheet(parser, scale, options);
    }
    if (!parser.isSet(image)) return UsageError(parser, "--image is required");
    const auto n = ParseImageNumber(parser.value(image));
    if (!n) return UsageError(parser, "--image must be 1..19");
    options.Image = *n;
    if (!parser.isSet(output)) return UsageError(parser, "-o is required");
    bool ok = false;
    options.Scale = parser.value(scale).toInt(&ok);
    if (!ok || options.Scale < 1 || options.Scale > 32) return UsageError(parser, "--scale must be 1..32");
    options.Ticks = parser.value(ticks).toInt(&ok);
    if (!ok || options.Ticks < 0) return UsageError(parser, "--ticks must be 0 or more");
    return std::nullopt;
}

int ExecutePreview(const PreviewOptions& options) {
    if (options.All) return WriteContactSheet(options.Path, options.Output, options.Scale);
    EditorState state;
    InitLanguage(state, std::nullopt);
    if (!LoadDocumentOrReport(options.Path, state)) return ExitFailure;
    state.SelectImage(options.Image);
    // After t ticks: the scroll moves 8 columns a tick, the blink flips every tick.
    const int t = options.Ticks;
    state.ScrollPosition = static_cast<int32_t>((int64_t{t} * 8) % LcdColumns);
    state.BlinkPhase = (t % 2) == 1;
    LcdRenderer renderer;
    RenderCurrentImage(state, renderer);

    return WritePicture(ScaledPreview(renderer.Dots(), options.Scale), options.Output);
}

}  // namespace

int RunPreview(const QStringList& arguments) {
    PreviewOptions options;
    if (auto exit = ParsePreview(arguments, options)) return *exit;
    return ExecutePreview(options);
}

}  // namespace zozavud::cli
