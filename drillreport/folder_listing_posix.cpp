// A folder's names on POSIX: readdir, and stat for where each leads.
#include "drillreport/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

bool listFolder(const std::string& folder, std::vector<FolderEntry>& entries)
{
    entries.clear();
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr)
        return false;
    while (const dirent* entry = ::readdir(listing)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        FolderEntry found{entry->d_name, EntryKind::Other};
        struct stat status {};
        if (::stat(inFolder(folder, found.name).c_str(), &status) == 0)
            found.kind = S_ISDIR(status.st_mode)   ? EntryKind::Folder
                         : S_ISREG(status.st_mode) ? EntryKind::File
                                                   : EntryKind::Other;
        entries.push_back(std::move(found));
    }
    ::closedir(listing);
    return true;
}

std::string realPath(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return {};
    std::string real(resolved);
    std::free(resolved);
    return real;
}

bool isSameName(const std::string& entry, const std::string& name)
{
    return entry == name;
}

bool isPathSeparator(char character)
{
    return character == '/';
}

std::string inFolder(const std::string& folder, const std::string& name)
{
    return folder.empty() || folder.back() == '/' ? folder + name : folder + '/' + name;
}
