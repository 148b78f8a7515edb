// UTF-8 decoded and written, one code point at a time.
#include "drillreport/utf8_text.h"

#include "logtext/shown_character.h"
#include "logtext/utf8.h"

namespace {

// The code point of the well-formed sequence at bytes[at], and its length; false when none
// starts there. The drill's check of a sequence decides what is well-formed.
bool decodeSequence(std::string_view bytes, std::size_t at, char32_t& codePoint,
                    std::size_t& length)
{
    const auto* sequence = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
    length = utf8SequenceLength(sequence, bytes.size() - at);
    if (length == 0 || length > bytes.size() - at)
        return false;
    codePoint = length == 1 ? sequence[0] : sequence[0] & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i)
        codePoint = codePoint << 6 | (sequence[i] & 0x3Fu);
    return true;
}

} // namespace

char32_t nextCodePoint(std::string_view bytes, std::size_t& at)
{
    char32_t codePoint = 0;
    std::size_t length = 0;
    if (!decodeSequence(bytes, at, codePoint, length)) {
        ++at;
        return replacementCharacter;
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
