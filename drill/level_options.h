// The level menu's lines, "1 : Zahlen 0-10" to "5 : Zahlen 0-10000", made from the number
// limits when the program is compiled, so that the menu cannot offer a range the drill lacks.
#pragma once

#include "drill/drill_texts.h"
#include "logtext/drill_rules.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace texts {

// One line's bytes; room enough for any level and limit of the menu.
struct OptionLine {
    std::array<char, 32> bytes{};
    std::size_t size = 0;
};

constexpr void appendText(OptionLine& line, std::string_view text)
{
    for (const char byte : text)
        line.bytes[line.size++] = byte;
}

constexpr void appendNumber(OptionLine& line, std::int32_t number)
{
    std::array<char, 10> digits{};
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    while (count > 0)
        line.bytes[line.size++] = digits[--count];
}

inline constexpr auto levelOptionLines = [] {
    std::array<OptionLine, numberLimits.size()> lines{};
    for (std::size_t level = 1; level <= lines.size(); ++level) {
        OptionLine& line = lines[level - 1];
        appendNumber(line, static_cast<std::int32_t>(level));
        appendText(line, levelOptionWords);
        appendText(line, rangeFrom);
        appendNumber(line, numberLimitForLevel(static_cast<std::int32_t>(level)));
    }
    return lines;
}();

inline constexpr auto levelOptions = [] {
    std::array<std::string_view, levelOptionLines.size()> views{};
    for (std::size_t at = 0; at < views.size(); ++at)
        views[at] = {levelOptionLines[at].bytes.data(), levelOptionLines[at].size};
    return views;
}();

} // namespace texts
