// UTF-8 sequences, checked as strictly as the standard asks (no overlong forms, no surrogates,
// nothing beyond U+10FFFF): where a character ends, for texts that may or may not be UTF-8.
// Shared with the report and the viewer, which show the names the drill wrote.
#pragma once

#include <cstddef>
#include <string_view>

// The length of the well-formed UTF-8 sequence that starts at bytes[0]; 0 when the byte starts
// none. When the bytes end inside a sequence that may still turn out well-formed, the answer
// is the full length, larger than available.
inline std::size_t utf8SequenceLength(const unsigned char* bytes, std::size_t available)
{
    const unsigned lead = bytes[0];
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned low = 0x80; // the range of the second byte, narrowed for some leads
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < length && i < available; ++i) {
        const unsigned next = bytes[i];
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

// Well-formed UTF-8 only, as utf8SequenceLength checks each sequence: a line that is not is
// read as code page 850 by the programs that show the log's names. Only the characters that
// begin within the first `bound` bytes are looked at, the last of them whole.
inline bool isValidUtf8(std::string_view bytes, std::size_t bound = std::string_view::npos)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t at = 0; at < bytes.size() && at < bound;) {
        const std::size_t length = utf8SequenceLength(data + at, bytes.size() - at);
        if (length == 0 || length > bytes.size() - at)
            return false;
        at += length;
    }
    return true;
}
