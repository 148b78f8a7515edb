// Control characters, and bytes that are no UTF-8, shown as U+FFFD.
#include "drillreport/shown_text.h"

#include "drillreport/utf8_text.h"
#include "logtext/shown_character.h"

void appendShown(std::string& text, char32_t codePoint)
{
    appendUtf8(text, shownCharacter(codePoint));
}

std::string shownFileName(std::string_view name)
{
    std::string shown;
    shown.reserve(name.size());
    for (std::size_t at = 0; at < name.size();)
        appendShown(shown, nextCodePoint(name, at));
    return shown;
}
