// The bytes the platform's appender stores for records whose lines end in '\n'.
#pragma once

#include <string>
#include <string_view>

std::string asStoredInLog(std::string_view records);
