// Win32 stores every line end of a record as CR LF, as a text-mode file has it.
#include "tests/stored_log.h"

std::string asStoredInLog(std::string_view records)
{
    std::string stored;
    for (const char c : records) {
        if (c == '\n')
            stored += '\r';
        stored += c;
    }
    return stored;
}
