#include "OptionWords.h"

namespace zozavud::cli {

QString JoinAsChoices(const QStringList& words) {
    if (words.size() < 2) return words.value(0);
    return words.mid(0, words.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ") + words.last();
}

}  // namespace zozavud::cli
