#include "FontSubstitution.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace zozavud {

namespace {

// The face named is proportional, so its proportional stand-in comes first.
const QStringList JapaneseFaces = {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "WenQuanYi Micro Hei"};
const QStringList SimplifiedChineseFaces = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "IPAGothic"};

bool RegisterWineTahoma() {
    bool any = false;
    for (const QString& path : WineTahomaFiles())
        if (QFontDatabase::addApplicationFont(path) >= 0) any = true;
    return any;
}

QStringList StandInsFor(const QString& face) {
    if (face.compare("Tahoma", Qt::CaseInsensitive) == 0)
        return WineTahomaFiles().isEmpty() ? QStringList{"DejaVu Sans"} : QStringList{};
    if (face.compare("MS UI Gothic", Qt::CaseInsensitive) == 0) return JapaneseFaces;
    if (face.compare("Arial", Qt::CaseInsensitive) == 0) return {"Liberation Sans", "DejaVu Sans"};
    return {};
}

}  // namespace

void InstallFontSubstitutions() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    if (!RegisterWineTahoma()) QFont::insertSubstitutions("Tahoma", {"DejaVu Sans"});
    QFont::insertSubstitutions("MS UI Gothic", JapaneseFaces);
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}

QStringList WineTahomaFiles() {
    QStringList files;
    for (const char* path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        if (QFile::exists(path)) files += QString::fromLatin1(path);
    return files;
}

QStringList FaceCandidates(const QString& face, uint8_t charset) {
    QStringList candidates;
    for (const QString& family : FontFamiliesFor(face, charset)) {
        if (!candidates.contains(family, Qt::CaseInsensitive)) candidates += family;
        for (const QString& standIn : StandInsFor(family))
            if (!candidates.contains(standIn, Qt::CaseInsensitive)) candidates += standIn;
    }
    return candidates;
}

QStringList FontFamiliesFor(const QString& face, uint8_t charset) {
    // Chinese texts name a Japanese face; a Chinese one draws them better.
    if ((charset == 134 || charset == 136) && face.compare("MS UI Gothic", Qt::CaseInsensitive) == 0)
        return SimplifiedChineseFaces;
    QStringList families{face};
    if (charset == 128) families += JapaneseFaces;
    if (charset == 134 || charset == 136) families += SimplifiedChineseFaces;
    return families;
}

const char* CharsetLanguage(uint8_t charset) {
    switch (charset) {
        case 128:
            return "ja";
        case 129:
            return "ko";
        case 134:
            return "zh-cn";
        case 136:
            return "zh-tw";
        case 161:
            return "el";
        case 162:
            return "tr";
        case 177:
            return "he";
        case 178:
            return "ar";
        case 204:
            return "ru";
        case 222:
            return "th";
        case 238:
            return "pl";
        default:
            return "en";
    }
}

}  // namespace zozavud
