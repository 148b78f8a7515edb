// The five characters markup gives a meaning, written as references.
#include "drillreport/html_escape.h"

void appendEscaped(std::string& markup, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            markup += "&amp;";
            break;
        case '<':
            markup += "&lt;";
            break;
        case '>':
            markup += "&gt;";
            break;
        case '"':
            markup += "&quot;";
            break;
        case '\'':
            markup += "&#39;";
            break;
        default:
            markup += c;
        }
    }
}
