#include "SystemLocale.h"

#include <unicode/uloc.h>

#include <QLocale>
#include <cstdlib>

namespace zozavud {

namespace {
constexpr uint32_t EnglishUnitedStates = 0x0409;
}

uint32_t LocaleIdFromName(const QByteArray& name) {
    QByteArray locale = name.trimmed();
    if (locale.isEmpty() || locale == "C" || locale == "POSIX" || locale.startsWith("C."))
        return EnglishUnitedStates;
    // POSIX names carry an encoding ("ja_JP.UTF-8") and maybe a modifier after it.
    const qsizetype dot = locale.indexOf('.');
    if (dot >= 0) {
        const qsizetype at = locale.indexOf('@', dot);
        locale = locale.left(dot) + (at >= 0 ? locale.mid(at) : QByteArray());
    }
    const uint32_t lcid = uloc_getLCID(locale.constData());
    return lcid != 0 ? lcid : EnglishUnitedStates;
}

uint32_t SystemDefaultLocaleId() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return LocaleIdFromName(value);
    }
    return LocaleIdFromName(QLocale::system().name().toUtf8());
}

}  // namespace zozavud
