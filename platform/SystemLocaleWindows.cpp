#include <windows.h>

#include "SystemLocale.h"

namespace zozavud {

// The system's own locale, as the platform names it.
uint32_t SystemDefaultLocaleId() { return GetSystemDefaultLCID(); }

}  // namespace zozavud
