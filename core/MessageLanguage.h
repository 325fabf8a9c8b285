#pragma once
#include <cstdint>

namespace zozavud {

enum class MessageLanguage : int {
    English = 0,
    Japanese = 1,
    French = 2,
    German = 3,
    Spanish = 4,
    Italian = 5,
    Chinese = 6,
};

inline constexpr int LanguageCount = 7;

}  // namespace zozavud
