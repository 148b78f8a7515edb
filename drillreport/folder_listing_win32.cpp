// A folder's names on Win32, through the wide functions; what Explorer hides as the system's
// own (hidden and system at once, as "System Volume Information") is left out.
#include "drillreport/folder_listing.h"

#include "logtext/utf16_win32.h"

#include <windows.h>

#include <iterator>

bool listFolder(const std::string& folder, std::vector<FolderEntry>& entries)
{
    entries.clear();
    // "C:" alone is the working folder of drive C, as in inFolder.
    const bool ended = folder.empty() || isPathSeparator(folder.back()) || folder.back() == ':';
    const std::wstring pattern = utf16FromUtf8(folder) + (ended ? L"*" : L"\\*");
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    constexpr DWORD systemOwn = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        const std::wstring_view name = found.cFileName;
        if (name == L"." || name == L".." || (found.dwFileAttributes & systemOwn) == systemOwn)
            continue;
        const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entries.push_back({utf8FromUtf16(name), isFolder ? EntryKind::Folder : EntryKind::File});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

std::string realPath(const std::string& path)
{
    const HANDLE file = CreateFileW(utf16FromUtf8(path).c_str(), 0,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    wchar_t real[32768];
    const DWORD length = GetFinalPathNameByHandleW(file, real, std::size(real), 0);
    CloseHandle(file);
    return length == 0 || length >= std::size(real) ? std::string() : utf8FromUtf16({real, length});
}

bool isSameName(const std::string& entry, const std::string& name)
{
    const std::wstring first = utf16FromUtf8(entry);
    const std::wstring second = utf16FromUtf8(name);
    return CompareStringOrdinal(first.c_str(), static_cast<int>(first.size()), second.c_str(),
                                static_cast<int>(second.size()), TRUE) == CSTR_EQUAL;
}

bool isPathSeparator(char character)
{
    return character == '\\' || character == '/';
}

std::string inFolder(const std::string& folder, const std::string& name)
{
    if (folder.empty() || isPathSeparator(folder.back()) || folder.back() == ':')
        return folder + name;
    return folder + '\\' + name;
}
