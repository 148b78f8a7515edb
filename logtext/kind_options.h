// The menu's line for each kind of exercise, byte for byte, in UTF-8: the drill shows them, and
// the readers of the log take the word of each kind from them (drill_rules.h).
#pragma once

#include <array>
#include <string_view>

namespace texts {

inline constexpr std::array<std::string_view, 6> kindOptions = {
    "1 : Addition........(+)", "2 : Subtraktion.....(-)",       "3 : Multiplikation..(\u00b7)",
    "4 : Division........(:)", "5 : Quadrieren......(x\u00b2)", "6 : Quadratwurzeln..(\u00b2/)",
};

} // namespace texts
