// The letters that sort as Latin base letters, from a table generated from Unicode's data
// (tools/sort_letters.cpp): "É" as "e", "Ł" as "l", "ß" as "ss", a combining mark as nothing.
#pragma once

#include <span>
#include <string_view>

struct SortLetter {
    char32_t codePoint;
    std::string_view letters; // lower-case ASCII; empty for a mark
};

// In the order of the code points; none below U+0080.
std::span<const SortLetter> sortLetterTable();
