// Appending a record on Win32: FILE_APPEND_DATA and one WriteFile (more only where the system
// writes less), under a lock that drills hold only for the append and its cut-back, so every
// record lands whole at the true end of the file even while another drill appends or a viewer
// reads, and a record that cannot be written whole is cut off again with none but its bytes.
#include "drill/log_append.h"

#include "drill/lock_wait.h"

#include "logtext/drill_log_format.h"
#include "logtext/write_all_win32.h"

#include <windows.h>

#include <string>

namespace {

// The drills' lock is one byte far beyond any log's end: a byte-range lock refuses reads and
// writes of the range it covers, and no reader or writer ever comes near this one.
OVERLAPPED lockedByte()
{
    OVERLAPPED at{};
    at.OffsetHigh = 0x40000000;
    return at;
}

// A file system that has no locks gives None: the append then goes on without (and without a
// cut-back, which only the lock makes safe).
Lock lockForAppend(HANDLE file)
{
    return waitForLock([file] {
        OVERLAPPED at = lockedByte();
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
            return Lock::Held;
        return GetLastError() == ERROR_LOCK_VIOLATION ? Lock::Busy : Lock::None;
    });
}

void unlock(HANDLE file)
{
    OVERLAPPED at = lockedByte();
    UnlockFileEx(file, 0, 1, 0, &at);
}

// What the record needs before it so that it starts on a line of its own: nothing after a
// line end, but LF after a CR, which the CR LF of a torn record lacks; CR LF after anything
// else (what a drill killed in the middle of its append, or a power cut, left).
std::string_view lineEndFirst(HANDLE file, LONGLONG size)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(size - 1);
    at.OffsetHigh = static_cast<DWORD>(static_cast<ULONGLONG>(size - 1) >> 32);
    char last = '\n';
    DWORD read = 0;
    if (size <= 0 || !ReadFile(file, &last, 1, &read, &at) || read != 1)
        return {};
    if (last == '\r')
        return "\n";
    return logFormat::endsLine(last) ? "" : "\r\n";
}

// Cuts the file back to its length before the record, so the next record starts on a line of
// its own; only while every byte after it is ours, as a writer that takes no lock may have
// appended since. The append-only handle may not set the end of the file, so a second handle
// on the same open file does, sharing as the first; where it cannot be had, the torn record
// stays, and the next append ends its line.
void cutBack(HANDLE file, LONGLONG began, std::size_t written)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart != began + static_cast<LONGLONG>(written))
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

// The record with CR LF line ends, after the line end a torn last line lacks; true when it
// was written whole.
bool writeOnALineOfItsOwn(HANDLE file, bool readable, std::string_view record, bool cut)
{
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(file, &length))
        length.QuadPart = -1;
    std::string bytes(readable ? lineEndFirst(file, length.QuadPart) : std::string_view{});
    bytes.reserve(bytes.size() + record.size() + record.size() / 16);
    for (const char c : record) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    const std::size_t done = writeBytes(file, bytes);
    if (cut && length.QuadPart >= 0 && done > 0 && done < bytes.size())
        cutBack(file, length.QuadPart, done);
    return done == bytes.size();
}

} // namespace

bool appendToFile(const char* path, std::string_view record, bool toDisk)
{
    // Append-only writes: the system places each at the end, with no seek in between that a
    // second writer could overtake. Reading lets the last byte be looked at and the lock be
    // taken; a log that may only be appended to gets neither. Unrestricted sharing lets a
    // viewer hold the file.
    bool readable = true;
    constexpr DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE file = CreateFileA(path, FILE_READ_DATA | FILE_APPEND_DATA, share, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
        readable = false;
        file = CreateFileA(path, FILE_APPEND_DATA, share, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // Only a disk file is written: under Wine "tovu" may be a FIFO, whose writes can wait for
    // ever, and none can be made to give up.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        return false;
    }
    const Lock lock = lockForAppend(file);
    const bool whole =
        lock != Lock::Busy && writeOnALineOfItsOwn(file, readable, record, lock == Lock::Held);
    // The lock goes before the wait for the disk, which no other drill needs to share.
    if (lock == Lock::Held)
        unlock(file);
    const bool kept = whole && (!toDisk || FlushFileBuffers(file));
    return CloseHandle(file) && kept;
}
