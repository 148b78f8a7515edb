// The report's platform layer on Win32: UTF-8 reaches a console as wide characters and a file
// or pipe as it is; paths go to the wide functions; the page is moved into place; files are
// told apart by their file index.
#include "drillreport/report_platform.h"

#include "drillreport/temporary_name.h"

#include "logtext/utf16_win32.h"
#include "logtext/write_all_win32.h"

#include <windows.h>

#include <cstdint>
#include <iterator>
#include <string>
#include <utility>

namespace {

// The console ends a line with CR LF.
bool writeConsole(HANDLE console, std::string_view utf8)
{
    std::wstring wide;
    for (const wchar_t unit : utf16FromUtf8(utf8)) {
        if (unit == L'\n')
            wide += L'\r';
        wide += unit;
    }
    return writeConsoleAll(console, wide);
}

bool writeStandard(DWORD which, std::string_view utf8)
{
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) ? writeConsole(handle, utf8) : writeAll(handle, utf8);
}

// An existing file opened only to be looked at, whatever it is and whoever holds it open.
HANDLE openToLookAt(const std::string& path)
{
    return CreateFileW(utf16FromUtf8(path).c_str(), 0,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// Where the page goes: its own name when that is missing, or the regular file it leads to,
// links followed; attributes are then that file's. A name that exists but opens nothing (a link
// that leads nowhere) is not followed: that would make a file in a place nobody named.
ReplaceOutcome findTarget(const std::string& path, std::string& target, DWORD& attributes)
{
    target = path;
    attributes = INVALID_FILE_ATTRIBUTES;
    const HANDLE file = openToLookAt(path);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            return ReplaceOutcome::Failed;
        return GetFileAttributesW(utf16FromUtf8(path).c_str()) == INVALID_FILE_ATTRIBUTES
                   ? ReplaceOutcome::Replaced
                   : ReplaceOutcome::NotAFile;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    wchar_t finalPath[32768];
    const bool regular = GetFileType(file) == FILE_TYPE_DISK &&
                         GetFileInformationByHandle(file, &information) &&
                         (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const DWORD length =
        regular ? GetFinalPathNameByHandleW(file, finalPath, std::size(finalPath), 0) : 0;
    CloseHandle(file);
    if (!regular)
        return ReplaceOutcome::NotAFile;
    if (length == 0 || length >= std::size(finalPath))
        return ReplaceOutcome::Failed;
    target = utf8FromUtf16({finalPath, length});
    attributes = information.dwFileAttributes;
    return ReplaceOutcome::Replaced;
}

// The moments a Ctrl+C or a closed console must not come in: between the temporary page's
// making and its marking for deletion, and between its unmarking and its move over the page.
// The console's handler runs on a thread of its own and waits for such a moment to pass.
SRWLOCK pageMoment = SRWLOCK_INIT;

BOOL WINAPI waitForPageMoment(DWORD)
{
    AcquireSRWLockExclusive(&pageMoment);
    ReleaseSRWLockExclusive(&pageMoment);
    return FALSE; // the default handler ends the run, and the system deletes the marked file
}

// Marks the open file to be deleted by the system when its last handle closes, however the
// run ends, or takes the mark away again.
bool markForDeletion(HANDLE file, bool deleted)
{
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = deleted;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

// A new file in the target's folder, so that the move stays on one volume, under a short name
// that fits wherever the target's does, marked for deletion at once; CREATE_NEW never opens
// what someone put there. marked is false where the volume would not mark it.
HANDLE createBeside(const std::string& target, std::string& temporary, bool& marked)
{
    const std::size_t folderEnd = target.find_last_of("\\/:") + 1;
    std::uint32_t mixed = temporaryNameSeed(GetCurrentProcessId(), GetTickCount());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = nextTemporaryName(mixed);
        temporary = target.substr(0, folderEnd) + name;
        // Shared for deletion alone: the move takes it away while it is open.
        AcquireSRWLockExclusive(&pageMoment);
        const HANDLE file =
            CreateFileW(utf16FromUtf8(temporary).c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE,
                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = GetLastError();
        marked = file != INVALID_HANDLE_VALUE && markForDeletion(file, true);
        ReleaseSRWLockExclusive(&pageMoment);
        if (file != INVALID_HANDLE_VALUE || error != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

// The attributes a page keeps: read-only first of all, which Wine keeps in the file's mode.
constexpr DWORD keptAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                 FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                 FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Moves the open new page over the target, its mark for deletion taken away only for the move;
// a read-only old page lets it, and the new one is read-only in its turn. Whatever ends the
// run meanwhile waits, so the old page keeps its attributes; marked says what is left.
bool moveOver(HANDLE file, const std::string& temporary, const std::string& target,
              DWORD attributes, bool& marked)
{
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    const bool readOnly = exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    AcquireSRWLockExclusive(&pageMoment);
    if (readOnly)
        SetFileAttributesW(utf16FromUtf8(target).c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    const bool moved = (!marked || markForDeletion(file, false)) &&
                       MoveFileExW(utf16FromUtf8(temporary).c_str(), utf16FromUtf8(target).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!moved && marked)
        marked = markForDeletion(file, true);
    if (!moved && readOnly)
        SetFileAttributesW(utf16FromUtf8(target).c_str(), attributes);
    ReleaseSRWLockExclusive(&pageMoment);
    if (!moved)
        return false;
    // The page is in place: attributes that cannot be set again do not undo it.
    if (exists)
        SetFileAttributesW(utf16FromUtf8(target).c_str(), attributes & keptAttributes);
    return true;
}

} // namespace

bool writeStandardOutput(std::string_view utf8)
{
    return writeStandard(STD_OUTPUT_HANDLE, utf8);
}

bool writeStandardError(std::string_view utf8)
{
    return writeStandard(STD_ERROR_HANDLE, utf8);
}

ReplaceOutcome replaceFile(const std::string& path,
                           const std::function<bool(const ReportWriter&)>& writeContent)
{
    std::string target;
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    const ReplaceOutcome found = findTarget(path, target, attributes);
    if (found != ReplaceOutcome::Replaced)
        return found;
    // Interrupted while the page is written, or its console closed, the run leaves nothing
    // but the old page: the handler is there before the file is.
    const bool watched = SetConsoleCtrlHandler(waitForPageMoment, TRUE);
    std::string temporary;
    bool marked = false;
    const HANDLE file = createBeside(target, temporary, marked);
    bool replaced = false;
    if (file != INVALID_HANDLE_VALUE) {
        replaced = writeContent([file](std::string_view piece) { return writeAll(file, piece); }) &&
                   FlushFileBuffers(file) && moveOver(file, temporary, target, attributes, marked);
        CloseHandle(file);
        if (!replaced && !marked)
            DeleteFileW(utf16FromUtf8(temporary).c_str());
    }
    if (watched)
        SetConsoleCtrlHandler(waitForPageMoment, FALSE);
    return replaced ? ReplaceOutcome::Replaced : ReplaceOutcome::Failed;
}

// One file has one volume serial number and one file index, under every name and link.
bool isSameFile(const std::string& first, const std::string& second)
{
    BY_HANDLE_FILE_INFORMATION one{};
    BY_HANDLE_FILE_INFORMATION other{};
    for (const auto& [path, information] : {std::pair{&first, &one}, std::pair{&second, &other}}) {
        const HANDLE file = openToLookAt(*path);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        const bool known = GetFileInformationByHandle(file, information);
        CloseHandle(file);
        if (!known)
            return false;
    }
    return one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
           one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}
