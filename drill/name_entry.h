// The learner's name as the drill keeps it: one line, bounded, and safe to log.
#pragma once

#include "drill/drill_console.h"

#include <cstddef>
#include <string>

// The most bytes of a name that are kept; the rest of its line is dropped.
inline constexpr std::size_t nameLimit = 4096;

// Reads the name's line. A UTF-8 character that the bound would cut in two is dropped whole,
// and every control byte becomes a blank, so the name can never end or split a log line.
void readName(DrillConsole& console, std::string& name);
