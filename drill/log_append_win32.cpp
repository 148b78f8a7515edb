// Appending a record on Win32: FILE_APPEND_DATA and one WriteFile (more only where the system
// writes less), so every record lands whole at the true end of the file even while another
// drill appends or a viewer reads.
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
    // Only a disk file is written: under Wine "tovu" may be a FIFO, whose writes can wait for
    // ever, and none can be made to give up.
    const bool diskFile = GetFileType(file) == FILE_TYPE_DISK;
    std::size_t done = 0;
    while (diskFile && done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written,
                       nullptr) ||
            written == 0)
            break;
        done += written;
    }
    return CloseHandle(file) && done == bytes.size();
}
