#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "CharsetNames.h"
#include "CliCommand.h"
#include "CliSupport.h"
#include "CodePage.h"
#include "OptionTables.h"
#include "ShortString.h"
#include "TerminalText.h"
#include "UsageText.h"

namespace zozavud::cli {

namespace {

int LitPixels(const ImageRecord& record) {
    int count = 0;
    for (int32_t color : record.RenderedData) count += IsPixelOn(color) ? 1 : 0;
    return count;
}

QString Text(const ShortString& text, uint8_t charset) { return DecodeText(ShortStringBytes(text), charset); }

QString Hex(uint32_t value) {
    return QStringLiteral("0x%1").arg(value, 8, 16, QChar('0')).toUpper().replace("0X", "0x");
}

QJsonObject RecordJson(int n, const ImageRecord& r) {
    QJsonObject o;
    o["image"] = n;
    o["marker"] = QString::fromLatin1(QByteArray(r.Marker, 2).toHex());
    o["imageNo"] = r.ImageNo;
    o["text1"] = Text(r.Text1, r.FontCharset);
    o["text1Length"] = r.Text1.Length;
    o["text2"] = Text(r.Text2, r.FontCharset);
    o["text2Length"] = r.Text2.Length;
    o["fontCharset"] = r.FontCharset;
    o["fontCharsetName"] = CharsetName(r.FontCharset);
    o["fontColor"] = Hex(static_cast<uint32_t>(r.FontColor));
    o["fontHeight"] = r.FontHeight;
    o["fontName"] = Text(r.FontName, r.FontCharset);
    o["fontStyle"] = r.FontStyle;
    o["blink"] = r.Blink;
    o["scroll"] = r.Scroll;
    o["wideBitmap"] = r.WideBitmap;
    o["verticalPositionOffset"] = r.VerticalPositionOffset;
    o["litPixels"] = LitPixels(r);
    return o;
}

// For the terminal: a document's texts may hold any bytes, escape sequences included.
QString Shown(const ShortString& text, uint8_t charset) { return EscapeForTerminal(Text(text, charset)); }

void PrintRecord(QTextStream& out, int n, const ImageRecord& r) {
    out << "Image " << n << "\n";
    out << "  Marker: " << QByteArray(r.Marker, 2).toHex(' ') << "\n";
    out << "  ImageNo: " << r.ImageNo << "\n";
    out << "  Text1: \"" << Shown(r.Text1, r.FontCharset) << "\" (" << r.Text1.Length << " bytes)\n";
    out << "  Text2: \"" << Shown(r.Text2, r.FontCharset) << "\" (" << r.Text2.Length << " bytes)\n";
    out << "  FontCharset: " << r.FontCharset << " (" << CharsetName(r.FontCharset) << ")\n";
    out << "  FontColor: " << Hex(static_cast<uint32_t>(r.FontColor)) << "\n";
    out << "  FontHeight: " << r.FontHeight << "\n";
    out << "  FontName: \"" << Shown(r.FontName, r.FontCharset) << "\"\n";
    out << "  FontStyle: " << r.FontStyle << " (" << StyleListText(r.FontStyle) << ")\n";
    out << "  Blink: " << r.Blink << "\n";
    out << "  Scroll: " << r.Scroll << "\n";
    out << "  WideBitmap: " << r.WideBitmap << "\n";
    out << "  VerticalPositionOffset: " << r.VerticalPositionOffset << "\n";
    out << "  LitPixels: " << LitPixels(r) << "\n";
}

struct InfoOptions {
    QString Path;
    int First = 1, Last = ImageCount;
    bool Json = false;
};

std::optional<int> ParseInfo(const QStringList& arguments, InfoOptions& options) {
    QCommandLineParser parser;
    const QCommandLineOption image = ImageOption("only this image");
    const QCommandLineOption json("json", "Print JSON.");
    parser.addOptions({image, json});
    if (auto exit = ParseArguments(parser, arguments, "Shows every field of each image.", 1, "DOC.lcd"))
        return *exit;
    if (parser.isSet(image)) {
        const auto n = ParseImageNumber(parser.value(image));
        if (!n) return UsageError(parser, "--image must be 1..19");
        options.First = options.Last = *n;
    }
    options.Path = parser.positionalArguments().at(0);
    options.Json = parser.isSet(json);
    return std::nullopt;
}

int ExecuteInfo(const InfoOptions& options) {
    EditorState state;
    if (!LoadDocumentOrReport(options.Path, state)) return ExitFailure;
    const ImageSet& set = *state.Set;
    const QString signature = QString::fromLatin1(QByteArray(set.Signature, 4).toHex(' '));
    const bool signatureOk = QByteArray(set.Signature, 4) == "LCD1";

    QTextStream out(stdout);
    if (options.Json) {
        QJsonArray images;
        for (int n = options.First; n <= options.Last; ++n) images.append(RecordJson(n, set.Record(n)));
        QJsonObject root;
        root["signature"] = signatureOk ? QStringLiteral("LCD1") : signature;
        root["images"] = images;
        out << EscapeJsonForTerminal(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
        return ExitOk;
    }
    out << "Signature: " << (signatureOk ? QStringLiteral("LCD1") : signature) << "\n";
    for (int n = options.First; n <= options.Last; ++n) PrintRecord(out, n, set.Record(n));
    return ExitOk;
}

}  // namespace

int RunInfo(const QStringList& arguments) {
    InfoOptions options;
    if (auto exit = ParseInfo(arguments, options)) return *exit;
    return ExecuteInfo(options);
}

}  // namespace zozavud::cli
