#include "ShortString.h"

#include <algorithm>
#include <cstring>

namespace zozavud {

void StoreShortString(ShortString& target, const QByteArray& bytes) {
    const auto length = static_cast<uint8_t>(std::min<qsizetype>(bytes.size(), ShortStringCapacity));
    target.Length = length;
    std::memcpy(target.Bytes, bytes.constData(), length);
}

QByteArray ShortStringBytes(const ShortString& source) { return QByteArray(source.Bytes, source.Length); }

}  // namespace zozavud
