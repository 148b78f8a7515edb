// Names from the two kinds of log, made one, and ordered.
#include "drillreport/learner_name.h"

#include "drillreport/shown_text.h"
#include "drillreport/sort_letters.h"
#include "drillreport/utf8_text.h"
#include "logtext/code_page_850.h"

#include <algorithm>

std::string nameSortKey(std::string_view name)
{
    const std::span<const SortLetter> table = sortLetterTable();
    std::string letters;
    for (std::size_t at = 0; at < name.size();) {
        const char32_t c = nextCodePoint(name, at);
        if (c < 0x80) {
            letters += static_cast<char>(c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c);
            continue;
        }
        const auto found = std::ranges::lower_bound(table, c, {}, &SortLetter::codePoint);
        if (found != table.end() && found->codePoint == c)
            letters += found->letters;
        else
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
