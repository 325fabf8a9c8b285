#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "ImageSet.h"

namespace zozavud::test {

// A set whose every byte follows from seed, with signature and markers in place, so
// that a round trip that loses or moves any byte shows.
void FillPatternedSet(ImageSet& set, uint32_t seed);
QByteArray SetBytes(const ImageSet& set);
// n bytes from seed.
QByteArray PatternBytes(qsizetype n, uint32_t seed);

}  // namespace zozavud::test
