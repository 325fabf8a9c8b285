#include <QImage>

#include "CliCommand.h"
#include "CliSupport.h"
#include "LcdRenderer.h"
#include "PreviewScaling.h"
#include "RecordRender.h"

namespace zozavud::cli {

int RunPreview(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption image("image", "Image number, 1..19.", "N");
    const QCommandLineOption output({"o", "output"}, "PNG file to write.", "OUT.png");
    const QCommandLineOption scale("scale", "Pixels per dot (default 2).", "K", "2");
    const QCommandLineOption ticks("ticks", "Animation ticks before the picture is taken.", "T", "0");
    parser.addOptions({image, output, scale, ticks});
    if (auto exit = ParseArguments(parser, arguments, "Writes the preview of an image as PNG.", 1,
                                   "DOC.lcd"))
        return *exit;
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

    const QImage picture = ScaledPreview(renderer.Dots(), k);
    const QString path = parser.value(output);
    if (!picture.save(path, "PNG")) return Failure("cannot write " + path);
    return ExitOk;
}

}  // namespace zozavud::cli
