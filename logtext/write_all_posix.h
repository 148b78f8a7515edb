// Writing bytes whole to a file descriptor on POSIX: the one write loop of the drill's log and
// the report's outputs and page.
#pragma once

#include <cstddef>
#include <string_view>
#include <sys/types.h>

// Writes until every byte is written, a write fails or a write takes nothing; an interrupted
// write is tried again. Answers how many bytes were written. Where asked, began receives the
// offset at which the first write that took anything landed (with O_APPEND the system chooses
// it), or -1 when none did or the file has no offsets.
std::size_t writeBytes(int file, std::string_view bytes, off_t* began = nullptr);

// True when every byte was written.
inline bool writeAll(int file, std::string_view bytes)
{
    return writeBytes(file, bytes) == bytes.size();
}
