// POSIX stores the records' line ends as they are.
#include "tests/stored_log.h"

std::string asStoredInLog(std::string_view records)
{
    return std::string(records);
}
