// How a character from outside (a learner's name, a file's name, an argument) is shown in a
// message or on a page: a control character, which could act on a terminal, as U+FFFD.
#pragma once

inline constexpr char32_t replacementCharacter = 0xFFFD;

// C0, DEL and C1 become U+FFFD; every other character stays.
inline constexpr char32_t shownCharacter(char32_t codePoint)
{
    const bool control = codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
    return control ? replacementCharacter : codePoint;
}
