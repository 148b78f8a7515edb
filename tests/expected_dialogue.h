// The drill's dialogue as the tests expect it: the texts of dialogue_texts.txt, and those that
// hold numbers filled in.
#pragma once

#include "tests/dialogue_texts.h" // made by CMake

#include <cstdio>
#include <string>

// The text with its %d and %s filled in, as printf fills them.
template <typename... Values> std::string filledIn(const char* text, Values... values)
{
    std::string filled(static_cast<std::size_t>(std::snprintf(nullptr, 0, text, values...)), '\0');
    std::snprintf(filled.data(), filled.size() + 1, text, values...);
    return filled;
}

inline std::string rightAnswer(int errors)
{
    return filledIn(dialogue::right, errors);
}
inline std::string wrongAnswer(int errors)
{
    return filledIn(dialogue::wrong, errors);
}

inline std::string seriesReport(int answered, int errors, int percent, const std::string& name,
                                int grade)
{
    return filledIn(dialogue::report, answered, errors, percent, name.c_str(), grade);
}
