#include <QBuffer>
#include <QImage>

#include "AtomicFile.h"
#include "CliCommand.h"
#include "CliSupport.h"
#include "ContactSheet.h"
#include "LcdRenderer.h"
#include "PreviewScaling.h"
#include "RecordRender.h"

namespace zozavud::cli {

namespace {

// Encodes the picture and writes it whole, or leaves any older file as it was.
int WritePng(const QImage& picture, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return Failure("cannot encode the picture as PNG");
    QString error;
    if (!WriteFileAtomically(path, png, &error))
        return Failure(QStringLiteral("cannot write %1: %2").arg(path, error));
    return ExitOk;
}

// The contact sheet of the whole document, from the pictures as stored.
int WriteContactSheet(const QString& documentPath, const QString& path, int scale) {
    EditorState state;
    InitLanguage(state, std::nullopt);
    if (!LoadDocumentOrReport(documentPath, state)) return ExitFailure;
    return WritePng(DrawContactSheet(*state.Set, scale), path);
}

}  // namespace

int RunPreview(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption image("image", "Image number, 1..19.", "N");
    const QCommandLineOption output({"o", "output"}, "PNG file to write.", "OUT.png");
    const QCommandLineOption scale("scale", "Pixels per dot (default 2).", "K", "2");
    const QCommandLineOption ticks("ticks", "Animation ticks before the picture is taken.", "T", "0");
    const QCommandLineOption all("all", "All 19 pictures at rest, numbered, in one sheet (scale 1..8).");
    parser.addOptions({image, output, scale, ticks, all});
    if (auto exit = ParseArguments(parser, arguments,
                                   "Writes the preview of an image, or with --all a sheet of all 19, as PNG.",
                                   1, "DOC.lcd"))
        return *exit;
    if (parser.isSet(all)) {
        if (parser.isSet(image) || parser.isSet(ticks))
            return UsageError(parser, "--all excludes --image and --ticks");
        if (!parser.isSet(output)) return UsageError(parser, "-o is required");
        bool valid = false;
        const int k = parser.value(scale).toInt(&valid);
        if (!valid || k < 1 || k > ContactSheetMaxScale)
            return UsageError(parser,
                              QStringLiteral("--scale must be 1..%1 with --all").arg(ContactSheetMaxScale));
        return WriteContactSheet(parser.positionalArguments().at(0), parser.value(output), k);
    }
    if (!parser.isSet(image)) return UsageError(parser, "--image is required");
    const auto n = ParseImageNumber(parser.value(image));
    if (!n) return UsageError(parser, "--image must be 1..19");
    if (!parser.isSet(output)) return UsageError(parser, "-o is required");
    bool ok = false;
    const int k = parser.value(scale).toInt(&ok);
    if (!ok || k < 1 || k > 32) return UsageError(parser, "--scale must be 1..32");
    const int t = parser.value(ticks).toInt(&ok);
    if (!ok || t < 0) return UsageError(parser, "--ticks must be 0 or more");

    EditorState state;
    InitLanguage(state, std::nullopt);
    if (!LoadDocumentOrReport(parser.positionalArguments().at(0), state)) return ExitFailure;
    state.SelectImage(*n);
    // After t ticks: the scroll moves 8 columns a tick, the blink flips every tick.
    state.ScrollPosition = static_cast<int32_t>((int64_t{t} * 8) % LcdColumns);
    state.BlinkPhase = (t % 2) == 1;
    LcdRenderer renderer;
    RenderCurrentImage(state, renderer);

    return WritePng(ScaledPreview(renderer.Dots(), k), parser.value(output));
}

}  // namespace zozavud::cli
