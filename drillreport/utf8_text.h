// UTF-8 checked, walked and written, one code point at a time.
#pragma once

#include "logtext/utf8.h" // isValidUtf8

#include <cstddef>
#include <string>
#include <string_view>

// The code point at bytes[at], and at moved past it; U+FFFD for a byte that starts no
// well-formed sequence.
char32_t nextCodePoint(std::string_view bytes, std::size_t& at);

void appendUtf8(std::string& text, char32_t codePoint);

// Characters, not bytes: what a terminal's columns count, one per code point.
std::size_t characterCount(std::string_view utf8);
