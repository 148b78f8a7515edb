// Appending one whole record to a file, implemented once per platform.
#pragma once

#include <string_view>

// Creates the file when missing and writes the record, whose lines end in '\n', at its end
// in one piece. Answers false when the record could not be written whole.
bool appendToFile(const char* path, std::string_view record);
