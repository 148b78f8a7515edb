// UTF-8 by the rules of its standard: a sequence is decoded, then refused when it is overlong,
// a surrogate or beyond U+10FFFF.
#include "utf8_text.h"

#include <array>

namespace {

// The code point of the well-formed sequence at bytes[at], and its length; false when none
// starts there.
bool decodeSequence(std::string_view bytes, std::size_t at, char32_t& codePoint,
                    std::size_t& length)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
        codePoint = lead;
        length = 1;
        return true;
    }
    length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || bytes.size() - at < length)
        return false;
    codePoint = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return false;
        codePoint = codePoint << 6 | (next & 0x3Fu);
    }
    constexpr std::array<char32_t, 5> smallest = {0, 0, 0x80, 0x800, 0x10000};
    return codePoint >= smallest[length] && codePoint <= 0x10FFFF &&
           (codePoint < 0xD800 || codePoint > 0xDFFF);
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    char32_t codePoint = 0;
    std::size_t length = 0;
    for (std::size_t at = 0; at < bytes.size(); at += length) {
        if (!decodeSequence(bytes, at, codePoint, length))
            return false;
    }
    return true;
}

char32_t nextCodePoint(std::string_view bytes, std::size_t& at)
{
    char32_t codePoint = 0;
    std::size_t length = 0;
    if (!decodeSequence(bytes, at, codePoint, length)) {
        ++at;
        return 0xFFFD;
    }
    at += length;
    return codePoint;
}

void appendUtf8(std::string& text, char32_t codePoint)
{
    if (codePoint < 0x80) {
        text += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        text += static_cast<char>(0xC0 | codePoint >> 6);
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        text += static_cast<char>(0xE0 | codePoint >> 12);
        text += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | codePoint >> 18);
        text += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        text += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::size_t characterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char byte : utf8) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}
