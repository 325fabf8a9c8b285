#include "BitmapImport.h"
#include "CliCommand.h"
#include "CliSupport.h"
#include "CodePage.h"
#include "GdiFont.h"
#include "ImageReset.h"
#include "LcdRenderer.h"
#include "MessageSlots.h"
#include "PictureConversion.h"
#include "RecordRender.h"
#include "ShortString.h"
#include "TerminalText.h"

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

// The --picture options, or a usage message when one is wrong or stands without --picture.
std::optional<PictureOptions> ParsePictureOptions(const QCommandLineParser& parser, bool picture,
                                                  QString* problem) {
    const QStringList names = {"dither", "threshold", "fit", "invert"};
    for (const QString& name : names)
        if (!picture && parser.isSet(name)) {
            *problem = "--" + name + " needs --picture";
            return std::nullopt;
        }
    PictureOptions options;
    if (parser.isSet("dither")) {
        const auto method = ParseDitherMethod(parser.value("dither"));
        if (!method) {
            *problem = "--dither must be none, floyd-steinberg, atkinson or bayer";
            return std::nullopt;
        }
        options.Dither = *method;
    }
    if (parser.isSet("threshold")) {
        const auto value = ParseInt32(parser.value("threshold"));
        if (!value || *value < 0 || *value > 255) {
            *problem = "--threshold must be 0..255";
            return std::nullopt;
        }
        options.Threshold = *value;
    }
    if (parser.isSet("fit")) {
        const auto fit = ParsePictureFit(parser.value("fit"));
        if (!fit) {
            *problem = "--fit must be none, width, height or contain";
            return std::nullopt;
        }
        options.Fit = *fit;
    }
    options.Invert = parser.isSet("invert");
    return options;
}

// Names on stderr the characters of a text that the image's code page cannot hold:
// they are stored as "?", and the edit goes on.
void WarnOfLostCharacters(int image, const QString& what, const QString& text, uint8_t charset) {
    const QStringList lost = LostCharacters(text, charset);
    if (lost.isEmpty()) return;
    Warning(QStringLiteral("image %1, %2: code page %3 (charset %4) cannot hold %5; stored as \"?\"")
                .arg(image)
                .arg(what, QString::fromLatin1(CodePageForCharset(charset)))
                .arg(charset)
                .arg(NameCharacters(lost)));
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
    const QCommandLineOption picture(
        "picture", "Convert any picture (PNG, JPEG, GIF, BMP...) into the bitmap layer.", "FILE");
    const QCommandLineOption dither(
        "dither", "With --picture: none, floyd-steinberg, atkinson or bayer (default none).", "METHOD");
    const QCommandLineOption threshold(
        "threshold",
        "With --picture: black below this grey level, 0..255 (default 128); shifts the dither levels.",
        "T");
    const QCommandLineOption fit(
        "fit", "With --picture: none, width, height or contain (default height).", "FIT");
    const QCommandLineOption invert("invert", "With --picture: swap the picture's black and white dots.");
    const QCommandLineOption blink("blink", "on or off: the picture blinks (never while it scrolls).", "on|off");
    parser.addOptions({image, text1, text2, font, height, style, charset, offset, resetOffset,
                       clear, language, bitmap, clearBitmap, picture, dither, threshold, fit, invert, blink});
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
    if (parser.isSet(picture) && (parser.isSet(bitmap) || parser.isSet(clearBitmap)))
        return UsageError(parser, "--picture excludes --bitmap and --clear-bitmap");
    QString pictureProblem;
    const auto pictureOptions = ParsePictureOptions(parser, parser.isSet(picture), &pictureProblem);
    if (!pictureOptions) return UsageError(parser, pictureProblem);
    std::optional<bool> blinks;
    if (parser.isSet(blink)) {
        const QString value = parser.value(blink).toLower();
        if (value != "on" && value != "off") return UsageError(parser, "--blink must be on or off");
        blinks = value == "on";
    }
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
    // Held from the read to the write, so that edits running at once all keep their changes.
    DocumentLock lock(path);
    if (!LockDocumentOrReport(lock, path)) return ExitFailure;
    if (!LoadDocumentOrReport(path, state, DocumentUse::Rewrite)) return ExitFailure;
    LcdRenderer renderer;
    state.SelectImage(*n);
    ImageRecord& record = state.CurrentRecord();

    if (parser.isSet(clear)) ResetImageRecord(record, state.Language, renderer);
    if (parser.isSet(font) || heightValue || styleBits || charsetValue) {
        FontSpec edited = FontSpecFromRecord(record);
        if (charsetValue) edited.Charset = static_cast<uint8_t>(*charsetValue);
        if (parser.isSet(font)) edited.Name = parser.value(font);
        if (heightValue) edited.Height = *heightValue;
        if (styleBits) edited.Style = *styleBits;
        WarnOfLostCharacters(*n, "font name", edited.Name, edited.Charset);
        StoreFontSpec(record, edited);
    }
    if (parser.isSet(text1)) {
        WarnOfLostCharacters(*n, "line 1", parser.value(text1), record.FontCharset);
        StoreShortString(record.Text1, EncodeText(parser.value(text1), record.FontCharset));
    }
    if (parser.isSet(text2)) {
        WarnOfLostCharacters(*n, "line 2", parser.value(text2), record.FontCharset);
        StoreShortString(record.Text2, EncodeText(parser.value(text2), record.FontCharset));
    }
    if (offsetValue) record.VerticalPositionOffset = *offsetValue;
    if (parser.isSet(resetOffset)) record.VerticalPositionOffset = renderer.DefaultVerticalOffset(record);
    // After the other edits, before the render; a refused picture leaves the file unsaved.
    if (parser.isSet(clearBitmap)) ClearBitmapData(record);
    if (parser.isSet(bitmap)) {
        QString error;
        if (!ImportBitmap(parser.value(bitmap), record, SlotLineCount(*n), &error)) return Failure(error);
    }
    if (parser.isSet(picture)) {
        QString error;
        if (!ImportPicture(parser.value(picture), record, SlotLineCount(*n), *pictureOptions, &error))
            return Failure(error);
    }

    if (blinks) record.Blink = *blinks ? 1 : 0;

    const RenderOutcome outcome = RenderCurrentImage(state, renderer);
    // The editor drops the flag of a picture that scrolls, so it is refused here, unsaved.
    if (blinks && *blinks && outcome.Scrolls)
        return Failure(QStringLiteral("image %1 scrolls, and a scrolling picture cannot blink; nothing was saved")
                           .arg(*n));
    return SaveDocumentOrReport(path, state) ? ExitOk : ExitFailure;
}

}  // namespace zozavud::cli
