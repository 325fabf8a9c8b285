#pragma once
// The system's own words for a Windows error code (FormatMessage), for messages.
#include <QString>
#include <cstdint>

namespace zozavud {

// Empty when the system has no text for the code.
QString WindowsErrorText(uint32_t code);

}  // namespace zozavud
