// What both text layers share: the fonts made and the faces found are kept for the next
// text that asks for the same.
#include <QHash>
#include <list>
#include <mutex>

#include "FontFiles.h"
#include "TextFont.h"

namespace zozavud {

namespace {
constexpr size_t CachedFonts = 24;
}

std::shared_ptr<TextFont> TextFont::For(const FontSpec& font) {
    static std::list<std::pair<FontSpec, std::shared_ptr<TextFont>>> cache;
    FontSpec key = font;
    key.Color = 0;
    for (auto it = cache.begin(); it != cache.end(); ++it)
        if (it->first == key) {
            cache.splice(cache.begin(), cache, it);
            return it->second;
        }
    const FaceFile file =
        FindFaceFile(font.Name, font.Charset, font.Style & FontStyleBold, font.Style & FontStyleItalic);
    std::shared_ptr<TextFont> made(new TextFont(font, file));
    cache.emplace_front(key, made);
    if (cache.size() > CachedFonts) cache.pop_back();
    return made;
}

FaceFile FindFaceFile(const QString& face, uint8_t charset, bool bold, bool italic) {
    static std::mutex lock;
    static QHash<QString, FaceFile> cache;
    const QString key = face.toLower() + QChar(0) + QString::number(charset) + QChar(bold ? 'b' : 'r') +
                        QChar(italic ? 'i' : 'u');
    const std::lock_guard guard(lock);
    if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    if (cache.size() > 256) cache.clear();
    const FaceFile file = LookUpFaceFile(face, charset, bold, italic);
    cache.insert(key, file);
    return file;
}

}  // namespace zozavud
