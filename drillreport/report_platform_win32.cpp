// The report's platform layer on Win32: UTF-8 reaches a console as wide characters and a file
// or pipe as it is; paths go to the wide functions; the page is moved into place and shown.
#include "report_platform.h"

#include "utf16_win32.h"

#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include <algorithm>

namespace {

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// The console ends a line with CR LF; a chunk never splits a surrogate pair.
bool writeConsole(HANDLE console, std::string_view utf8)
{
    std::wstring wide;
    for (const wchar_t unit : utf16FromUtf8(utf8)) {
        if (unit == L'\n')
            wide += L'\r';
        wide += unit;
    }
    std::size_t done = 0;
    while (done < wide.size()) {
        std::size_t chunk = std::min<std::size_t>(wide.size() - done, 4096);
        if (done + chunk < wide.size() && IS_HIGH_SURROGATE(wide[done + chunk - 1]))
            --chunk;
        DWORD written = 0;
        if (!WriteConsoleW(console, wide.data() + done, static_cast<DWORD>(chunk), &written,
                           nullptr) ||
            written == 0)
            return false;
        done += written;
    }
    return true;
}

bool writeStandard(DWORD which, std::string_view utf8)
{
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) ? writeConsole(handle, utf8) : writeAll(handle, utf8);
}

// A new file beside the page, so that the move stays on one volume; a name in use is passed
// over.
HANDLE createBeside(const std::string& path, std::string& temporary)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        temporary = path + '.' + std::to_string(GetCurrentProcessId()) + '.' +
                    std::to_string(attempt) + ".tmp";
        const HANDLE file = CreateFileW(utf16FromUtf8(temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
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

bool replaceFile(const std::string& path, std::string_view bytes)
{
    std::string temporary;
    const HANDLE file = createBeside(path, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool written = writeAll(file, bytes) && FlushFileBuffers(file);
    if (!CloseHandle(file) || !written ||
        !MoveFileExW(utf16FromUtf8(temporary).c_str(), utf16FromUtf8(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(utf16FromUtf8(temporary).c_str());
        return false;
    }
    return true;
}

bool startedAlone()
{
    // A command prompt shares its console; Explorer and a shortcut make one for the program.
    DWORD processes[2] = {};
    return GetConsoleProcessList(processes, 2) == 1;
}

std::string fullPath(const std::string& path)
{
    const std::wstring wide = utf16FromUtf8(path);
    const DWORD units = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (units == 0)
        return path;
    std::wstring full(units, L'\0');
    const DWORD written = GetFullPathNameW(wide.c_str(), units, full.data(), nullptr);
    if (written == 0 || written >= units)
        return path;
    full.resize(written);
    return utf8FromUtf16(full);
}

bool openInBrowser(const std::string& path)
{
    // The shell may hand the page to a handler of its own that needs COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const HINSTANCE opened = ShellExecuteW(nullptr, L"open", utf16FromUtf8(path).c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com))
        CoUninitialize();
    return reinterpret_cast<INT_PTR>(opened) > 32;
}

void waitForKey()
{
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    DWORD read = 0;
    if (!GetConsoleMode(input, &mode)) {
        char byte = 0;
        (void)ReadFile(input, &byte, 1, &read, nullptr); // input redirected: one byte or its end
        return;
    }
    // Only a key pressed from now on: nothing typed ahead, no key let go, no mouse.
    FlushConsoleInputBuffer(input);
    INPUT_RECORD event = {};
    while (ReadConsoleInputW(input, &event, 1, &read) && read == 1) {
        if (event.EventType == KEY_EVENT && event.Event.KeyEvent.bKeyDown)
            return;
    }
}
