#include "VersionResourceStrings.h"

#include "VersionResource.h"
#include "VersionResourceFile.h"

namespace zozavud {

namespace {

QString Hex4(uint16_t value) { return QStringLiteral("%1").arg(value, 4, 16, QChar(u'0')).toUpper(); }

}  // namespace

const QStringList& VersionKeyList() {
    static const QStringList keys = {
        "CompanyName",    "FileDescription", "FileVersion",      "InternalName",
        "LegalCopyright", "LegalTrademarks", "OriginalFilename", "ProductName",
        "ProductVersion", "PrivateBuild",    "SpecialBuild",     "Comments",
    };
    return keys;
}

VersionStringTable ReadVersionStrings(const QString& path) {
    VersionStringTable result;
    const uint32_t size = GetFileVersionInfoSize(path);
    if (size == 0) return result;
    QByteArray buffer;
    if (!GetFileVersionInfo(path, size, buffer)) return result;

    if (!QueryVersionValue(buffer, u"\\")) return result;
    const auto translationValue = QueryVersionValue(buffer, u"\\VarFileInfo\\Translation");
    if (!translationValue) return result;
    const auto translations = ParseTranslations(*translationValue);
    // An empty table names no string block; reading past it would use stray bytes.
    if (translations.empty()) return result;
    const QString block = QStringLiteral("\\StringFileInfo\\") + Hex4(translations.front().Language) +
                          Hex4(translations.front().CodePage) + u'\\';

    for (const QString& key : VersionKeyList()) {
        const QString keyPath = block + key;
        const auto value = QueryVersionValue(buffer, keyPath);
        if (!value) break;
        if (value->Length == 0) continue;
        result.Categories.append(key);
        result.Values.append(VersionValueText(*value));
    }
    return result;
}

}  // namespace zozavud
