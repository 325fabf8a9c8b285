#include "FontSubstitution.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace zozavud {

namespace {

// The face named is proportional, so its proportional stand-in comes first.
const QStringList JapaneseFaces = {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "WenQuanYi Micro Hei"};
const QStringList SimplifiedChineseFaces = {"WenQuanYi Micro Hei", "Noto Sans CJK SC",
                                            "IPAGothic"};

bool RegisterWineTahoma() {
    bool any = false;
    for (const char* path :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) any = true;
    }
    return any;
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

QStringList FontFamiliesFor(const QString& face, uint8_t charset) {
    // Chinese texts name a Japanese face; a Chinese one draws them better.
    if ((charset == 134 || charset == 136) && face.compare("MS UI Gothic", Qt::CaseInsensitive) == 0)
        return SimplifiedChineseFaces;
    QStringList families{face};
    if (charset == 128) families += JapaneseFaces;
    if (charset == 134 || charset == 136) families += SimplifiedChineseFaces;
    return families;
}

}  // namespace zozavud
