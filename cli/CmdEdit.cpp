#include "BitmapImport.h"
#include "CliCommand.h"
#include "CliSupport.h"
#include "CodePage.h"
#include "GdiFont.h"
#include "ImageReset.h"
#include "LcdRenderer.h"
#include "MessageSlots.h"
#include "RecordRender.h"
#include "ShortString.h"

namespace zozavud::cli {

namespace {

std::optional<uint8_t> ParseStyle(const QString& text) {
    uint8_t style = 0;
    for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
        const QString name = part.trimmed().toLower();
        if (name == "bold") style |= FontStyleBold;
        else if (name == "italic") style |= FontStyleItalic;
        else if (name == "underline") style |= FontStyleUnderline;
        else if (name == "strikeout") style |= FontStyleStrikeOut;
        else if (name != "regular" && name != "none") return std::nullopt;
    }
    return style;
}

std::optional<int32_t> ParseInt32(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

}  // namespace

int RunEdit(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption image("image", "Image number, 1..19.", "N");
    const QCommandLineOption text1("text1", "Line 1.", "T");
    const QCommandLineOption text2("text2", "Line 2.", "T");
    const QCommandLineOption font("font", "Font face name.", "NAME");
    const QCommandLineOption height("height", "Font height in pixels (negative: em height).", "H");
    const QCommandLineOption style("style", "Comma list of bold, italic, underline, strikeout.", "S");
    const QCommandLineOption charset("charset", "Font charset code (0 ANSI, 128, 134, ...).", "C");
    const QCommandLineOption offset("offset", "Vertical position offset in rows.", "V");
    const QCommandLineOption resetOffset("reset-offset", "Default offset for the image's font.");
    const QCommandLineOption clear("clear", "Reset the image first, as Edit > Clear does.");
    const QCommandLineOption language("language", "Display language: en, ja, fr, de, es, it, zh.", "L");
    const QCommandLineOption bitmap("bitmap", "Load the image's bitmap layer from a picture file.", "FILE");
    const QCommandLineOption clearBitmap("clear-bitmap", "Empty the image's bitmap layer.");
    parser.addOptions({image, text1, text2, font, height, style, charset, offset, resetOffset,
                       clear, language, bitmap, clearBitmap});
    if (auto exit = ParseArguments(parser, arguments, "Edits one image and saves the document.", 1,
                                   "DOC.lcd"))
        return *exit;

    if (!parser.isSet(image)) return UsageError(parser, "--image is required");
    const auto n = ParseImageNumber(parser.value(image));
    if (!n) return UsageError(parser, "--image must be 1..19");
    if (parser.isSet(offset) && parser.isSet(resetOffset))
        return UsageError(parser, "--offset and --reset-offset exclude each other");
    if (parser.isSet(bitmap) && parser.isSet(clearBitmap))
        return UsageError(parser, "--bitmap and --clear-bitmap exclude each other");
    std::optional<MessageLanguage> chosen;
    if (parser.isSet(language)) {
        chosen = ParseLanguageCode(parser.value(language));
        if (!chosen) return UsageError(parser, "unknown language " + parser.value(language));
    }
    std::optional<uint8_t> styleBits;
    if (parser.isSet(style) && !(styleBits = ParseStyle(parser.value(style))))
        return UsageError(parser, "unknown style " + parser.value(style));
    std::optional<int32_t> heightValue, offsetValue, charsetValue;
    if (parser.isSet(height) && !(heightValue = ParseInt32(parser.value(height))))
        return UsageError(parser, "--height needs a number");
    if (parser.isSet(offset) && !(offsetValue = ParseInt32(parser.value(offset))))
        return UsageError(parser, "--offset needs a number");
    if (parser.isSet(charset)) {
        charsetValue = ParseInt32(parser.value(charset));
        if (!charsetValue || *charsetValue < 0 || *charsetValue > 255)
            return UsageError(parser, "--charset must be 0..255");
    }

    const QString path = parser.positionalArguments().at(0);
    EditorState state;
    InitLanguage(state, chosen);
    if (!LoadDocumentOrReport(path, state)) return ExitFailure;
    LcdRenderer renderer;
    state.SelectImage(*n);
    ImageRecord& record = state.CurrentRecord();

    if (parser.isSet(clear)) ResetImageRecord(record, state.Language, renderer);
    if (parser.isSet(font) || heightValue || styleBits || charsetValue) {
        FontSpec spec = FontSpecFromRecord(record);
        if (charsetValue) spec.Charset = static_cast<uint8_t>(*charsetValue);
        if (parser.isSet(font)) spec.Name = parser.value(font);
        if (heightValue) spec.Height = *heightValue;
        if (styleBits) spec.Style = *styleBits;
        StoreFontSpec(record, spec);
    }
    if (parser.isSet(text1))
        StoreShortString(record.Text1, EncodeText(parser.value(text1), record.FontCharset));
    if (parser.isSet(text2))
        StoreShortString(record.Text2, EncodeText(parser.value(text2), record.FontCharset));
    if (offsetValue) record.VerticalPositionOffset = *offsetValue;
    if (parser.isSet(resetOffset)) record.VerticalPositionOffset = renderer.DefaultVerticalOffset(record);
    // After the other edits, before the render; a refused picture leaves the file unsaved.
    if (parser.isSet(clearBitmap)) ClearBitmapData(record);
    if (parser.isSet(bitmap)) {
        QString error;
        if (!ImportBitmap(parser.value(bitmap), record, SlotLineCount(*n), &error)) return Failure(error);
    }

    RenderCurrentImage(state, renderer);
    return SaveDocumentOrReport(path, state) ? ExitOk : ExitFailure;
}

}  // namespace zozavud::cli
