#include "FontFiles.h"

#include <fontconfig/fontconfig.h>

#include "FontSubstitution.h"

namespace zozavud {

namespace {

// Our own configuration: the system's, plus Wine's Tahoma as an application font.
FcConfig* Config() {
    static FcConfig* config = [] {
        FcConfig* c = FcInitLoadConfigAndFonts();
        for (const QString& file : WineTahomaFiles())
            FcConfigAppFontAddFile(c, reinterpret_cast<const FcChar8*>(file.toUtf8().constData()));
        return c;
    }();
    return config;
}

struct Match {
    FcPattern* Pattern = nullptr;
    ~Match() {
        if (Pattern) FcPatternDestroy(Pattern);
    }
};

void MatchFamily(Match& match, const QString& family, uint8_t charset, bool bold, bool italic) {
    FcPattern* pattern = FcPatternCreate();
    if (!family.isEmpty())  // no family: the best face for the language
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(CharsetLanguage(charset)));
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(Config(), pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    match.Pattern = FcFontMatch(Config(), pattern, &result);
    FcPatternDestroy(pattern);
}

// True when one of the family names of the match is the family asked for.
bool HasFamily(FcPattern* pattern, const QString& family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (family.compare(QString::fromUtf8(reinterpret_cast<const char*>(name)), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

FaceFile Describe(FcPattern* pattern) {
    FaceFile file;
    FcChar8* text = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 0, &text) == FcResultMatch)
        file.Path = reinterpret_cast<const char*>(text);
    if (FcPatternGetString(pattern, FC_FAMILY, 0, &text) == FcResultMatch)
        file.Family = QString::fromUtf8(reinterpret_cast<const char*>(text));
    FcPatternGetInteger(pattern, FC_INDEX, 0, &file.Index);
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(pattern, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(pattern, FC_SLANT, 0, &slant);
    file.Bold = weight >= FC_WEIGHT_DEMIBOLD;
    file.Italic = slant != FC_SLANT_ROMAN;
    return file;
}

// True unless the charset names a script and the matched face does not cover it.
bool CoversCharset(FcPattern* pattern, uint8_t charset) {
    const char* language = CharsetLanguage(charset);
    FcLangSet* languages = nullptr;
    if (qstrcmp(language, "en") == 0 || FcPatternGetLangSet(pattern, FC_LANG, 0, &languages) != FcResultMatch)
        return true;
    return FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>(language)) == FcLangEqual;
}

// The platform draws a text in a face that has the charset's script: a named face without
// it gives way to the system's face for that language, when one has it.
FaceFile ForCharset(FaceFile named, FcPattern* namedPattern, uint8_t charset, bool bold, bool italic) {
    if (CoversCharset(namedPattern, charset)) return named;
    Match match;
    MatchFamily(match, QString(), charset, bold, italic);
    if (!match.Pattern || !CoversCharset(match.Pattern, charset)) return named;
    FaceFile file = Describe(match.Pattern);
    file.Substituted = file.LacksCharset = true;
    return file;
}

}  // namespace

FaceFile LookUpFaceFile(const QString& face, uint8_t charset, bool bold, bool italic) {
    const QStringList candidates = FaceCandidates(face, charset);
    for (const QString& family : candidates) {
        Match match;
        MatchFamily(match, family, charset, bold, italic);
        if (match.Pattern && HasFamily(match.Pattern, family))
            return ForCharset(Describe(match.Pattern), match.Pattern, charset, bold, italic);
    }
    // None installed: whatever the system puts in its place.
    Match match;
    MatchFamily(match, candidates.value(0, face), charset, bold, italic);
    if (!match.Pattern) return FaceFile{.Substituted = true};
    FaceFile file = ForCharset(Describe(match.Pattern), match.Pattern, charset, bold, italic);
    file.Substituted = true;
    file.LacksCharset = false;  // what the document names is not there at all
    return file;
}

bool AddFontFile(const QString& path) {
    return FcConfigAppFontAddFile(Config(), reinterpret_cast<const FcChar8*>(path.toUtf8().constData())) ==
           FcTrue;
}

}  // namespace zozavud
