#include "CliCommand.h"
#include "CliSupport.h"
#include "CodePage.h"
#include "FitChecker.h"
#include "ImageEditing.h"
#include "OptionTables.h"
#include "OptionValues.h"
#include "PictureConversion.h"
#include "RecordFont.h"
#include "RecordTexts.h"
#include "TerminalText.h"
#include "UsageText.h"

namespace zozavud::cli {

namespace {

// What one edit asks for; unset fields leave the image as it is.
struct EditOptions {
    QString Path;
    int Image = 1;
    std::optional<QString> Text1, Text2, Font;
    std::optional<int32_t> Height, Offset, Charset;
    std::optional<uint8_t> Style;
    bool ResetOffset = false, Clear = false, ClearBitmap = false;
    std::optional<QString> Bitmap, Picture;
    PictureOptions Conversion;
    std::optional<bool> Blink;
    std::optional<MessageLanguage> Language;
};

// The options of the command line, declared once for the parser and its help.
struct EditSyntax {
    QCommandLineOption Image = ImageOption();
    QCommandLineOption Text1{"text1", "Line 1.", "T"};
    QCommandLineOption Text2{"text2", "Line 2.", "T"};
    QCommandLineOption Font{"font", "Font face name.", "NAME"};
    QCommandLineOption Height{"height", "Font height in pixels (negative: em height).", "H"};
    QCommandLineOption Style{"style", "Comma list of " + StyleWords().Listed() + ".", "S"};
    QCommandLineOption Charset{"charset", "Font charset code (0 ANSI, 128, 134, ...).", "C"};
    QCommandLineOption Offset{"offset",
                              QStringLiteral("Vertical position offset in rows, %1..%2.")
                                  .arg(MinVerticalOffset)
                                  .arg(MaxVerticalOffset),
                              "V"};
    QCommandLineOption ResetOffset{"reset-offset", "Default offset for the image's font."};
    QCommandLineOption Clear{"clear", "Reset the image first, as Edit > Clear does."};
    QCommandLineOption Language{"language", "Display language: " + LanguageWords().Listed() + ".", "L"};
    QCommandLineOption Bitmap{"bitmap", "Load the image's bitmap layer from a picture file.", "FILE"};
    QCommandLineOption ClearBitmap{"clear-bitmap", "Empty the image's bitmap layer."};
    QCommandLineOption Picture{"picture",
                               "Convert any picture (PNG, JPEG, GIF, BMP...) into the bitmap layer.", "FILE"};
    QCommandLineOption Dither{"dither",
                              "With --picture: " + DitherWords().Choices() + " (default " +
                                  DitherWords().NameOf(PictureOptions().Dither) + ").",
                              "METHOD"};
    QCommandLineOption Threshold{
        "threshold",
        "With --picture: black below this grey level, 0..255 (default 128); shifts the dither levels.", "T"};
    QCommandLineOption Fit{"fit",
                           "With --picture: " + FitWords().Choices() + " (default " +
                               FitWords().NameOf(PictureOptions().Fit) + ").",
                           "FIT"};
    QCommandLineOption Invert{"invert", "With --picture: swap the picture's black and white dots."};
    QCommandLineOption Blink{"blink",
                             SwitchWords().Choices() + ": the picture blinks (never while it scrolls).",
                             SwitchWords().Listed("|")};

    void AddTo(QCommandLineParser& parser) const {
        parser.addOptions({Image, Text1, Text2, Font, Height, Style, Charset, Offset, ResetOffset, Clear,
                           Language, Bitmap, ClearBitmap, Picture, Dither, Threshold, Fit, Invert, Blink});
    }
};

std::optional<int32_t> ParseInt32(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

std::optional<QString> ValueIfSet(const QCommandLineParser& parser, const QCommandLineOption& option) {
    if (!parser.isSet(option)) return std::nullopt;
    return parser.value(option);
}

// The image, and the options that exclude each other.
std::optional<int> ParseImageAndExclusions(const QCommandLineParser& parser, const EditSyntax& syntax,
                                           EditOptions& options) {
    if (!parser.isSet(syntax.Image)) return UsageError(parser, "--image is required");
    const auto n = ParseImageNumber(parser.value(syntax.Image));
    if (!n) return UsageError(parser, "--image must be 1..19");
    options.Image = *n;
    if (parser.isSet(syntax.Offset) && parser.isSet(syntax.ResetOffset))
        return UsageError(parser, "--offset and --reset-offset exclude each other");
    if (parser.isSet(syntax.Bitmap) && parser.isSet(syntax.ClearBitmap))
        return UsageError(parser, "--bitmap and --clear-bitmap exclude each other");
    if (parser.isSet(syntax.Picture) && (parser.isSet(syntax.Bitmap) || parser.isSet(syntax.ClearBitmap)))
        return UsageError(parser, "--picture excludes --bitmap and --clear-bitmap");
    return std::nullopt;
}

// The --picture options, or a usage message when one is wrong or stands without --picture.
std::optional<int> ParsePictureOptions(const QCommandLineParser& parser, const EditSyntax& syntax,
                                       PictureOptions& options) {
    for (const QCommandLineOption* option : {&syntax.Dither, &syntax.Threshold, &syntax.Fit, &syntax.Invert})
        if (!parser.isSet(syntax.Picture) && parser.isSet(*option))
            return UsageError(parser, "--" + option->names().first() + " needs --picture");
    if (parser.isSet(syntax.Dither)) {
        const auto method = DitherWords().Parse(parser.value(syntax.Dither));
        if (!method)
            return UsageError(parser, UnknownWord("dither", parser.value(syntax.Dither), DitherWords()));
        options.Dither = *method;
    }
    if (parser.isSet(syntax.Threshold)) {
        const auto value = ParseInt32(parser.value(syntax.Threshold));
        if (!value || *value < 0 || *value > 255) return UsageError(parser, "--threshold must be 0..255");
        options.Threshold = *value;
    }
    if (parser.isSet(syntax.Fit)) {
        const auto fit = FitWords().Parse(parser.value(syntax.Fit));
        if (!fit) return UsageError(parser, UnknownWord("fit", parser.value(syntax.Fit), FitWords()));
        options.Fit = *fit;
    }
    options.Invert = parser.isSet(syntax.Invert);
    return std::nullopt;
}

// The words and numbers of the remaining options.
std::optional<int> ParseValues(const QCommandLineParser& parser, const EditSyntax& syntax,
                               EditOptions& options) {
    if (parser.isSet(syntax.Blink) && !(options.Blink = SwitchWords().Parse(parser.value(syntax.Blink))))
        return UsageError(parser, UnknownWord("blink", parser.value(syntax.Blink), SwitchWords()));
    if (auto exit = ParseLanguageOption(parser, syntax.Language, options.Language)) return *exit;
    if (parser.isSet(syntax.Style) && !(options.Style = ParseStyleList(parser.value(syntax.Style))))
        return UsageError(parser, UnknownWord("style", parser.value(syntax.Style), StyleWords()));
    if (parser.isSet(syntax.Height) && !(options.Height = ParseInt32(parser.value(syntax.Height))))
        return UsageError(parser, "--height needs a number");
    if (parser.isSet(syntax.Offset)) {
        int32_t offset = 0;
        if (const QString problem = ReadOffset(parser.value(syntax.Offset), offset); !problem.isEmpty())
            return UsageError(parser, problem);
        options.Offset = offset;
    }
    if (parser.isSet(syntax.Charset)) {
        options.Charset = ParseInt32(parser.value(syntax.Charset));
        if (!options.Charset || *options.Charset < 0 || *options.Charset > 255)
            return UsageError(parser, "--charset must be 0..255");
    }
    return std::nullopt;
}

std::optional<int> ParseEdit(const QStringList& arguments, EditOptions& options) {
    QCommandLineParser parser;
    const EditSyntax syntax;
    syntax.AddTo(parser);
    if (auto exit =
            ParseArguments(parser, arguments, "Edits one image and saves the document.", 1, "DOC.lcd"))
        return *exit;
    if (auto exit = ParseImageAndExclusions(parser, syntax, options)) return *exit;
    if (auto exit = ParsePictureOptions(parser, syntax, options.Conversion)) return *exit;
    if (auto exit = ParseValues(parser, syntax, options)) return *exit;
    options.Path = parser.positionalArguments().at(0);
    options.Text1 = ValueIfSet(parser, syntax.Text1);
    options.Text2 = ValueIfSet(parser, syntax.Text2);
    options.Font = ValueIfSet(parser, syntax.Font);
    options.Bitmap = ValueIfSet(parser, syntax.Bitmap);
    options.Picture = ValueIfSet(parser, syntax.Picture);
    options.ResetOffset = parser.isSet(syntax.ResetOffset);
    options.Clear = parser.isSet(syntax.Clear);
    options.ClearBitmap = parser.isSet(syntax.ClearBitmap);
    return std::nullopt;
}

// Names on stderr the characters of a text that the image's code page cannot hold, each
// with what is stored for it (a look-alike or "?"), and the edit goes on.
void WarnOfLostCharacters(int image, const QString& what, const QString& text, uint8_t charset) {
    const QStringList lost = LostCharacters(text, charset);
    if (lost.isEmpty()) return;
    QStringList named;
    for (const QString& character : lost)
        named << QStringLiteral("%1 stored as \"%2\"")
                     .arg(NameCharacters({character}), EscapeForTerminal(StoredForm(character, charset)));
    Warning(QStringLiteral("image %1, %2: code page %3 (charset %4) cannot hold %5")
                .arg(image)
                .arg(what, QString::fromLatin1(CodePageForCharset(charset)))
                .arg(charset)
                .arg(named.join(QStringLiteral(", "))));
}

void StoreText(const EditOptions& options, int line, const QString& text, ImageEditing& editing) {
    WarnOfLostCharacters(options.Image, QStringLiteral("line %1").arg(line), text,
                         editing.State().CurrentRecord().FontCharset);
    editing.SetText(line, text);
}

// The controls of the text part, in the order the editor applies them.
void EditText(const EditOptions& options, ImageEditing& editing) {
    const ImageRecord& record = editing.State().CurrentRecord();
    if (options.Clear) editing.ClearImage();
    if (options.Font || options.Height || options.Style || options.Charset) {
        FontSpec edited = FontSpecFromRecord(record);
        if (options.Charset) edited.Charset = static_cast<uint8_t>(*options.Charset);
        if (options.Font) edited.Name = *options.Font;
        if (options.Height) edited.Height = *options.Height;
        if (options.Style) edited.Style = *options.Style;
        WarnOfLostCharacters(options.Image, "font name", edited.Name, edited.Charset);
        // A new charset stores the texts again in its code page, as the font dialog does;
        // a text given here is stored after that and named by StoreText.
        const RecordTexts shown = ShownTexts(record);
        if (edited.Charset != record.FontCharset) {
            if (!options.Text1) WarnOfLostCharacters(options.Image, "line 1", shown.Text1, edited.Charset);
            if (!options.Text2) WarnOfLostCharacters(options.Image, "line 2", shown.Text2, edited.Charset);
        }
        editing.ApplyFont(edited, shown);
        // The face is stored as given; the line says what this system draws it with instead.
        if (options.Font || options.Charset)
            if (const QString problem = FontSubstitutionProblem(edited); !problem.isEmpty())
                Warning(QStringLiteral("image %1: %2").arg(options.Image).arg(EscapeForTerminal(problem)));
    }
    if (options.Text1) StoreText(options, 1, *options.Text1, editing);
    if (options.Text2) StoreText(options, 2, *options.Text2, editing);
    if (options.Offset) editing.SetOffset(*options.Offset);
    if (options.ResetOffset) editing.ResetOffset();
}

// After the text edits, before the render; a refused picture leaves the file unsaved.
bool EditBitmap(const EditOptions& options, ImageEditing& editing) {
    if (options.ClearBitmap) editing.ClearBitmap();
    EditResult result;
    if (options.Bitmap) result = editing.ImportBitmapFile(*options.Bitmap);
    if (options.Picture) result = editing.ImportPictureFile(*options.Picture, options.Conversion);
    if (result.Error.isEmpty()) return true;
    Failure(EscapeForTerminal(result.Error));
    return false;
}

int ExecuteEdit(const EditOptions& options) {
    ImageEditing editing;
    EditorState& state = editing.State();
    InitLanguage(state, options.Language);
    // Held from the read to the write, so that edits running at once all keep their changes.
    DocumentLock lock(options.Path);
    if (!LockDocumentOrReport(lock, options.Path)) return ExitFailure;
    if (!LoadDocumentOrReport(options.Path, state, DocumentUse::Rewrite)) return ExitFailure;
    state.SelectImage(options.Image);
    EditText(options, editing);
    if (!EditBitmap(options, editing)) return ExitFailure;
    const RenderOutcome outcome = options.Blink ? editing.SetBlink(*options.Blink).Outcome : editing.Render();
    // The editor drops the flag of a picture that scrolls, so it is refused here, unsaved.
    if (options.Blink && *options.Blink && outcome.Scrolls)
        return Failure(
            QStringLiteral("image %1 scrolls, and a scrolling picture cannot blink; nothing was saved")
                .arg(options.Image));
    return SaveDocumentOrReport(options.Path, state) ? ExitOk : ExitFailure;
}

}  // namespace

int RunEdit(const QStringList& arguments) {
    EditOptions options;
    if (auto exit = ParseEdit(arguments, options)) return *exit;
    return ExecuteEdit(options);
}

}  // namespace zozavud::cli
