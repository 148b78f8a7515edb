// The reader's file layer on Win32: a read-only handle that leaves writers in, so drill keeps
// appending its records while a viewer holds the log open.
#include "drillview/log_file.h"

#include "logtext/utf16_win32.h"

#include <windows.h>

namespace {

HANDLE asHandle(LogFileHandle file)
{
    return reinterpret_cast<HANDLE>(file);
}

} // namespace

LogFileHandle openLogFile(const char* path)
{
    // FILE_SHARE_WRITE as well as FILE_SHARE_READ: with read sharing alone the system refuses
    // drill's append for as long as the viewer runs, and the learner's record is lost. drill
    // appends whole records at the end, behind the bytes this reader has read.
    const HANDLE file =
        CreateFileW(utf16FromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return noLogFile;
    // Only a file on a disk is read, never a pipe or a device.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return noLogFile;
    }
    return reinterpret_cast<LogFileHandle>(file);
}

std::int32_t readLogFile(LogFileHandle file, char* buffer, std::int32_t capacity)
{
    if (capacity <= 0)
        return 0;
    DWORD delivered = 0;
    if (!ReadFile(asHandle(file), buffer, static_cast<DWORD>(capacity), &delivered, nullptr))
        return 0;
    return static_cast<std::int32_t>(delivered);
}

void stepBackLogFile(LogFileHandle file)
{
    SetFilePointer(asHandle(file), -1, nullptr, FILE_CURRENT);
}

void closeLogFile(LogFileHandle file)
{
    CloseHandle(asHandle(file));
}
