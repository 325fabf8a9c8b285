#pragma once
#include <QByteArray>

#include "ImageSet.h"

namespace zozavud {

// Stores min(length, 255) bytes; the bytes after them are left as they were.
void StoreShortString(ShortString& target, const QByteArray& bytes);

// The text as the length byte gives it.
QByteArray ShortStringBytes(const ShortString& source);

}  // namespace zozavud
