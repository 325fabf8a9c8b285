// A version-information block read: the bytes as a block on their own, and as an
// executable whose block is found first; then every query the About dialog and the
// command-line tool make.
#include <QByteArrayView>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "VersionResource.h"
#include "VersionResourceLocate.h"
#include "VersionResourceStrings.h"

using namespace zozavud;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

bool Inside(QByteArrayView part, QByteArrayView whole) {
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

void CheckValue(const std::optional<VersionValue>& value, QByteArrayView block) {
    if (!value) return;
    if (value->Data.size() > block.size()) Fail("a value is larger than its block");
    VersionValueText(*value);
}

void ReadBlock(QByteArrayView block) {
    const auto root = QueryVersionValue(block, u"\\");
    CheckValue(root, block);
    if (root) {
        if (const auto fixed = ParseFixedFileInfo(*root)) {
            if (fixed->Signature != FixedFileInfoSignature) Fail("an unsigned fixed part was read");
            FormatFixedVersion(fixed->FileVersionMS, fixed->FileVersionLS);
        }
    }
    const auto translation = QueryVersionValue(block, u"\\VarFileInfo\\Translation");
    CheckValue(translation, block);
    QStringList tables = {QStringLiteral("040904E4"), QStringLiteral("040904B0")};
    if (translation) {
        for (const VersionTranslation& t : ParseTranslations(*translation))
            tables.append(QStringLiteral("%1%2")
                              .arg(t.Language, 4, 16, QChar(u'0'))
                              .arg(t.CodePage, 4, 16, QChar(u'0')));
    }
    for (const QString& table : tables) {
        for (const QString& key : VersionKeyList())
            CheckValue(QueryVersionValue(block, QStringLiteral("\\StringFileInfo\\") + table + u'\\' + key),
                       block);
    }
    // Paths the reader never builds itself: doubled and trailing separators, odd keys.
    CheckValue(QueryVersionValue(block, u"\\\\StringFileInfo\\\\"), block);
    CheckValue(QueryVersionValue(block, u"VarFileInfo"), block);
}

void CheckFound(const std::optional<QByteArrayView>& found, QByteArrayView bytes) {
    if (found && !Inside(*found, bytes)) Fail("a located block lies outside the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::Bytes(data, size);
    const QByteArrayView view(bytes);
    ReadBlock(view);
    CheckFound(TrimToVersionBlock(view), view);
    CheckFound(FindPeVersionResource(view), view);
    CheckFound(FindElfVersionSection(view), view);
    const auto block = FindVersionBlock(view);
    CheckFound(block, view);
    if (block) ReadBlock(*block);
    // The file-level reader the About dialog uses, on the same bytes.
    const VersionStringTable table = ReadVersionStrings(fuzz::WriteScratchFile(bytes));
    if (table.Categories.size() != table.Values.size()) Fail("keys and values do not pair up");
    return 0;
}
