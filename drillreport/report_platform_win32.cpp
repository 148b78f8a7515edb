// The report's platform layer on Win32: UTF-8 reaches a console as wide characters and a file
// or pipe as it is; the page is moved into place; arguments come in the ANSI code page.
#include "report_platform.h"

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

std::wstring wideText(std::string_view text, UINT codePage)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), units);
    return wide;
}

// The console ends a line with CR LF; a chunk never splits a surrogate pair.
bool writeConsole(HANDLE console, std::string_view utf8)
{
    std::wstring wide;
    for (const wchar_t unit : wideText(utf8, CP_UTF8)) {
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
        const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
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
        !MoveFileExA(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

std::string argumentAsUtf8(const std::string& argument)
{
    const std::wstring wide = wideText(argument, CP_ACP);
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}
