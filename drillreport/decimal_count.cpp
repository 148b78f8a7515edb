// Reading the log's whole numbers: the record scanner's counts and the time text's fields.
#include "drillreport/decimal_count.h"

#include <limits>

bool parseCount(std::string_view text, std::int32_t& value)
{
    if (text.empty() || text.size() > 10)
        return false;
    std::int64_t parsed = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        parsed = parsed * 10 + (c - '0');
    }
    if (parsed > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(parsed);
    return true;
}
