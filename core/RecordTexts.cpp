#include "RecordTexts.h"

#include "CodePage.h"
#include "ShortString.h"

namespace zozavud {

namespace {

QString TypedIfStored(const QString& typed, const ShortString& stored, uint8_t charset) {
    const QByteArray bytes = ShortStringBytes(stored);
    return EncodeText(typed, charset) == bytes ? typed : DecodeText(bytes, charset);
}

}  // namespace

RecordTexts ShownTexts(const ImageRecord& record) {
    return {DecodeText(ShortStringBytes(record.Text1), record.FontCharset),
            DecodeText(ShortStringBytes(record.Text2), record.FontCharset)};
}

void ChangeTextCharset(ImageRecord& record, uint8_t charset, const RecordTexts& shown) {
    if (record.FontCharset == charset) return;
    record.FontCharset = charset;
    StoreShortString(record.Text1, EncodeText(shown.Text1, charset));
    StoreShortString(record.Text2, EncodeText(shown.Text2, charset));
}

void ChangeTextCharset(ImageRecord& record, uint8_t charset) {
    ChangeTextCharset(record, charset, ShownTexts(record));
}

RecordTexts TypedTextsStoredIn(const RecordTexts& typed, const ImageRecord& record) {
    return {TypedIfStored(typed.Text1, record.Text1, record.FontCharset),
            TypedIfStored(typed.Text2, record.Text2, record.FontCharset)};
}

}  // namespace zozavud
