#include "WindowsErrorText.h"

#include <windows.h>

namespace zozavud {

QString WindowsErrorText(uint32_t code) {
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const QString result = text ? QString::fromWCharArray(text).trimmed() : QString();
    LocalFree(text);
    return result;
}

}  // namespace zozavud
