// Appending a record on Win32: FILE_APPEND_DATA and a single WriteFile, so every record lands
// whole at the true end of the file even while another drill appends or a viewer reads.
#include "log_append.h"

#include <windows.h>

#include <string>

bool appendToFile(const char* path, std::string_view record)
{
    std::string bytes;
    bytes.reserve(record.size() + record.size() / 16);
    for (const char c : record) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    // Append-only access: the system places each write at the end, with no seek in between
    // that a second writer could overtake. Unrestricted sharing lets a viewer hold the file.
    const HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    return CloseHandle(file) && whole;
}
