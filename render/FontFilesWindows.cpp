// The faces the platform has installed, and its font mapper for the rest.
#include <windows.h>

#include "FontFiles.h"
#include "FontSubstitution.h"
#include "GdiSurface.h"

namespace zozavud {

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

// True when a face of that family is installed with the charset (any charset for DEFAULT_CHARSET).
bool Installed(const QString& family, uint8_t charset) {
    if (family.isEmpty()) return false;
    LOGFONTW request = FontRequest(family, charset);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &request, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// The face the platform's mapper draws a request in (the family may be empty).
QString MappedFace(const QString& family, uint8_t charset, bool bold, bool italic) {
    LOGFONTW request = FontRequest(family, charset);
    request.lfHeight = -12;
    request.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    request.lfItalic = italic;
    HFONT font = CreateFontIndirectW(&request);
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    const int length = GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return length > 0 ? QString::fromWCharArray(face) : QString();
}

bool ScriptMatters(uint8_t charset) { return qstrcmp(CharsetLanguage(charset), "en") != 0; }

}  // namespace

FaceFile LookUpFaceFile(const QString& face, uint8_t charset, bool bold, bool italic) {
    const QStringList candidates = FaceCandidates(face, charset);
    const auto drawnBy = [](const QString& family, bool substituted, bool lacksCharset) {
        FaceFile file;
        file.Family = family;
        file.Substituted = substituted;
        file.LacksCharset = lacksCharset;
        return file;
    };
    for (const QString& family : candidates) {
        if (!Installed(family, DEFAULT_CHARSET)) continue;
        if (!ScriptMatters(charset) || Installed(family, charset)) return drawnBy(family, false, false);
        // Installed without the charset's script: the system's face for that script draws.
        const QString other = MappedFace(QString(), charset, bold, italic);
        if (other.isEmpty() || !Installed(other, charset)) return drawnBy(family, false, false);
        return drawnBy(other, true, true);
    }
    // None installed: whatever the mapper puts in its place.
    return drawnBy(MappedFace(candidates.value(0, face), charset, bold, italic), true, false);
}

bool AddFontFile(const QString& path) {
    return AddFontResourceExW(reinterpret_cast<const wchar_t*>(path.utf16()), FR_PRIVATE, nullptr) > 0;
}

}  // namespace zozavud
