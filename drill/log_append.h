// Appending one whole record to a file, implemented once per platform.
#pragma once

#include <string_view>

// How long an append waits for another drill's append to the same file to end: a moment.
// Past it the record is lost, as on a full disk.
inline constexpr int lockWaitMilliseconds = 500;

// Creates the file when missing and writes the record, whose lines end in '\n', at its end
// in one piece and on a line of its own; with toDisk, until its bytes are on the disk. Answers
// false when the record could not be written whole; its torn part is then cut off again.
// Drills append one at a time, so none ever removes or splits another's record.
bool appendToFile(const char* path, std::string_view record, bool toDisk = false);
