// The whole numbers of the log, as the drill writes them: plain decimal digits.
#pragma once

#include <cstdint>
#include <string_view>

// Digits only, all of them, and within 32 bits; false, value untouched, for anything else.
bool parseCount(std::string_view text, std::int32_t& value);
