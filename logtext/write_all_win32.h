// Writing whole on Win32: the one WriteFile loop of the drill's console and log and the report's
// outputs and page, and the one WriteConsoleW loop of both programs' consoles. The handle is a
// HANDLE, kept opaque here.
#pragma once

#include <cstddef>
#include <string_view>

// Writes until every byte is written, a write fails or a write takes nothing, in pieces of at
// most 1 MiB: WriteFile counts in a DWORD, and one very large write may fail for want of system
// memory where smaller ones go through. Answers how many bytes were written.
std::size_t writeBytes(void* file, std::string_view bytes);

// True when every byte was written.
inline bool writeAll(void* file, std::string_view bytes)
{
    return writeBytes(file, bytes) == bytes.size();
}

// Writes characters to a console until all are written, a write fails or a write takes none,
// in pieces of at most 4096 units that never part a surrogate pair. True when all were written.
bool writeConsoleAll(void* console, std::wstring_view text);
