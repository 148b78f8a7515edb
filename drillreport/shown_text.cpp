// Control characters, and bytes that are no UTF-8, shown as U+FFFD.
#include "drillreport/shown_text.h"

#include "drillreport/utf8_text.h"

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

bool isControl(char32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
}

} // namespace

void appendShown(std::string& text, char32_t codePoint)
{
    appendUtf8(text, isControl(codePoint) ? replacementCharacter : codePoint);
}

std::string shownFileName(std::string_view name)
{
    std::string shown;
    shown.reserve(name.size());
    for (std::size_t at = 0; at < name.size();)
        appendShown(shown, nextCodePoint(name, at));
    return shown;
}
