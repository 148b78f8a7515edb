// Names from the two kinds of log, made one, and ordered.
#include "drillreport/learner_name.h"

#include "drillreport/shown_text.h"
#include "drillreport/utf8_text.h"
#include "logtext/code_page_850.h"

std::string nameSortKey(std::string_view name)
{
    std::string letters;
    for (std::size_t at = 0; at < name.size();) {
        char32_t c = nextCodePoint(name, at);
        if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            c += 0x20;
        switch (c) {
        case U'\u00e4':
            c = U'a';
            break;
        case U'\u00f6':
            c = U'o';
            break;
        case U'\u00fc':
            c = U'u';
            break;
        case U'\u00df':
            letters += 's';
            c = U's';
            break;
        default:
            break;
        }
        appendUtf8(letters, c);
    }
    return letters;
}

std::string decodeLearnerName(std::string_view logged)
{
    std::string name;
    name.reserve(logged.size());
    if (isValidUtf8(logged)) {
        for (std::size_t at = 0; at < logged.size();)
            appendShown(name, nextCodePoint(logged, at));
        return name;
    }
    for (const char byte : logged)
        appendShown(name, codePage850(static_cast<unsigned char>(byte)));
    return name;
}
