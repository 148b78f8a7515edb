// The reader's next line, read whole as the viewer and the report read it: in parts until it
// is complete, here in one part of no bound.
#pragma once

#include "drillview/log_line_reader.h"

#include <string>

inline std::string nextLine(LogLineReader& reader)
{
    std::string line;
    reader.readLinePart(line, std::string::npos);
    return line;
}
