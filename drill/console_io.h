// The console conventions: end of line with flush, whole-number and whole-line reads.
#pragma once

#include "drill/drill_console.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum class ReadResult { Number, NotANumber, EndOfInput };

void writeText(DrillConsole& console, std::string_view text);
void writeNumber(DrillConsole& console, std::int32_t number);
void writeEndOfLine(DrillConsole& console);
void writeLine(DrillConsole& console, std::string_view text); // the text, then an end of line

// Reads one whole number in the 32-bit signed range. On anything else the rest of the
// input line is discarded so that the next read waits for fresh input.
ReadResult readWholeNumber(DrillConsole& console, std::int32_t& number);

// Reads one whole line, or what is left before the end of input; a trailing CR is dropped.
// Keeps at most maxBytes bytes of it: the rest of the line is read and dropped as it comes.
void readWholeLine(DrillConsole& console, std::string& line, std::size_t maxBytes);
