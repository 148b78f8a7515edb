// The drill's rules that other readers of the log share: the number ranges, the error
// percentage, the grade table and the word for each kind of exercise.
#pragma once

#include "logtext/kind_options.h"

#include <array>
#include <cstdint>
#include <string_view>

// The number limit of each level of the menu, 1 to 5; the menu's lines are made from them.
inline constexpr std::array<std::int32_t, 5> numberLimits = {10, 25, 100, 1000, 10000};
// A number range as the menu and the report show it: this, then the number limit.
inline constexpr std::string_view rangeFrom = "0-";

// The number limit of a level chosen in the menu, 1 to 5; 0 for anything else.
constexpr std::int32_t numberLimitForLevel(std::int32_t level)
{
    return level >= 1 && static_cast<std::size_t>(level) <= numberLimits.size()
               ? numberLimits[static_cast<std::size_t>(level - 1)]
               : 0;
}

// Wrong answers in whole percent, the remainder dropped; 64 bits, so that even a very long
// series cannot overflow the product. exercises must be at least 1.
constexpr std::int32_t errorPercentage(std::int64_t errors, std::int64_t exercises)
{
    return static_cast<std::int32_t>(errors * 100 / exercises);
}

// The school grade, 1 (best) to 6, for an error percentage of 0 to 100.
constexpr std::int32_t gradeForPercentage(std::int32_t percentage)
{
    constexpr std::array<std::int32_t, 5> highestOfGrade = {4, 19, 33, 50, 70};
    std::int32_t grade = 1;
    for (const std::int32_t highest : highestOfGrade) {
        if (percentage <= highest)
            return grade;
        ++grade;
    }
    return grade;
}

// The words that name the kinds of exercise in the menu, "Addition" for 1: each option line's
// text between "1 : " and its dots, taken once, when the program is compiled. Index 0 is empty.
inline constexpr auto kindWords = [] {
    std::array<std::string_view, texts::kindOptions.size() + 1> words{};
    for (std::size_t kind = 1; kind < words.size(); ++kind) {
        std::string_view option = texts::kindOptions[kind - 1];
        option.remove_prefix(option.find(" : ") + 3);
        words[kind] = option.substr(0, option.find('.'));
    }
    return words;
}();

// The word of a kind of exercise (1 to 6); empty for anything else.
constexpr std::string_view kindWord(std::int32_t kind)
{
    return kind >= 1 && static_cast<std::size_t>(kind) < kindWords.size()
               ? kindWords[static_cast<std::size_t>(kind)]
               : std::string_view{};
}
