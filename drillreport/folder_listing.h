// What the report needs to find logs in folders: a folder's names, and how paths are joined.
// Paths are UTF-8. Implemented once per platform.
#pragma once

#include <string>
#include <vector>

enum class EntryKind { File, Folder, Other };

// One name in a folder and what it leads to, links followed.
struct FolderEntry {
    std::string name;
    EntryKind kind = EntryKind::Other;
};

// The names in a folder but "." and ".."; false when the path is no folder or cannot be read.
bool listFolder(const std::string& folder, std::vector<FolderEntry>& entries);

// The absolute path with every link on the way resolved, spelt the same however the folder is
// reached; empty when it cannot be had.
std::string realPath(const std::string& path);

// Whether a name in a folder is the given one: on Windows in any case ("TOVU" is "tovu").
bool isSameName(const std::string& entry, const std::string& name);

// Whether a character ends one folder's name in a path.
bool isPathSeparator(char character);

// The path of a name in a folder.
std::string inFolder(const std::string& folder, const std::string& name);
