// The reader's file layer, implemented once per platform: open, read, step back, close.
#pragma once

#include <cstdint>

// Opaque: a file descriptor on POSIX, a HANDLE on Win32.
using LogFileHandle = std::intptr_t;
inline constexpr LogFileHandle noLogFile = -1;

// Opens an existing regular file for reading, never creating it, never waiting and never
// holding writers off. Anything else (a FIFO, a device, a directory) counts as missing. The
// path is UTF-8 on Win32 and the file system's bytes on POSIX.
LogFileHandle openLogFile(const char* path);

// Reads up to capacity bytes; answers how many arrived, 0 at the end or on failure.
std::int32_t readLogFile(LogFileHandle file, char* buffer, std::int32_t capacity);

// Moves the file position back by one byte.
void stepBackLogFile(LogFileHandle file);

void closeLogFile(LogFileHandle file);
