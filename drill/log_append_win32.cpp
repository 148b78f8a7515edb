// Appending a record on Win32: FILE_APPEND_DATA and one WriteFile (more only where the system
// writes less), so every record lands whole at the true end of the file even while another
// drill appends or a viewer reads; a record that cannot be written whole is cut off again.
#include "drill/log_append.h"

#include "logtext/write_all_win32.h"

#include <windows.h>

#include <string>

namespace {

// Cuts the file back to its length before the record, so the next record starts on a line of
// its own: only while every byte after it is ours, since had another drill appended since the
// length was taken, its record would go too, and the torn one stays. The append-only handle
// may not set the end of the file, so a second handle on the same open file does, sharing as
// the first; where it cannot be had, the torn record stays too.
void cutBack(HANDLE file, LONGLONG began, std::size_t written)
{
    LARGE_INTEGER size{};
    if (began < 0 || !GetFileSizeEx(file, &size) ||
        size.QuadPart != began + static_cast<LONGLONG>(written))
        return;
    const HANDLE cutter = ReOpenFile(file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, 0);
    if (cutter == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER end{};
    end.QuadPart = began;
    if (SetFilePointerEx(cutter, end, nullptr, FILE_BEGIN))
        SetEndOfFile(cutter);
    CloseHandle(cutter);
}

} // namespace

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
    LARGE_INTEGER length{};
    const LONGLONG began = diskFile && GetFileSizeEx(file, &length) ? length.QuadPart : -1;
    const std::size_t done = diskFile ? writeBytes(file, bytes) : 0;
    if (done > 0 && done < bytes.size())
        cutBack(file, began, done);
    return CloseHandle(file) && done == bytes.size();
}
