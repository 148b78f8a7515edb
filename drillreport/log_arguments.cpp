// Folders walked and patterns matched through the folder listing; nothing here is of one
// platform.
#include "drillreport/log_arguments.h"

#include "drillreport/folder_listing.h"
#include "logtext/drill_log_format.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace {

std::vector<FolderEntry> entriesInNameOrder(const std::string& folder, bool& listed)
{
    std::vector<FolderEntry> entries;
    listed = listFolder(folder, entries);
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

// Whether a folder is the other or one that holds it, so that a link to it leads back: walked,
// it would walk the other again, or more than was named.
bool holds(const std::string& outer, const std::string& inner)
{
    return !outer.empty() && inner.starts_with(outer) &&
           (inner.size() == outer.size() || isPathSeparator(outer.back()) ||
            isPathSeparator(inner[outer.size()]));
}

// Appends the logs in the folder and its subfolders; false when the folder cannot be listed.
// A subfolder that cannot be is appended itself, to be named; one walked before, through a
// link, is passed over.
bool appendLogsIn(const std::string& folder, int depth, std::set<std::string>& walked,
                  std::vector<std::string>& logs)
{
    bool listed = false;
    const std::vector<FolderEntry> entries = entriesInNameOrder(folder, listed);
    if (!listed)
        return false;
    const std::string real = realPath(folder);
    if (!real.empty())
        walked.insert(real);
    for (const FolderEntry& entry : entries) {
        const std::string path = inFolder(folder, entry.name);
        if (entry.kind != EntryKind::Folder) {
            if (isSameName(entry.name, std::string(logFormat::fileName)))
                logs.push_back(path);
            continue;
        }
        const std::string realSubfolder = realPath(path);
        if (depth == deepestSubfolder || holds(realSubfolder, real) ||
            (!realSubfolder.empty() && walked.count(realSubfolder) > 0))
            continue;
        if (!appendLogsIn(path, depth + 1, walked, logs))
            logs.push_back(path);
    }
    return true;
}

bool isPattern(std::string_view path)
{
    return path.find_first_of("*?") != std::string_view::npos;
}

char lowerAscii(char character)
{
    return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a')
                                                : character;
}

// Past the character that starts at `at`, all of its UTF-8 bytes.
std::size_t afterCharacter(std::string_view text, std::size_t at)
{
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
        ++at;
    return at;
}

// Whether a name matches a pattern: * any run of characters, ? one; letters of either case
// are alike, as in Windows' file names.
bool matchesPattern(std::string_view name, std::string_view pattern)
{
    // The classic walk: the last star seen takes one more character whenever the rest fails.
    std::size_t at = 0;
    std::size_t in = 0;
    std::size_t starIn = std::string_view::npos;
    std::size_t starAt = 0;
    while (at < name.size()) {
        if (in < pattern.size() && pattern[in] == '*') {
            starIn = in++;
            starAt = at;
        } else if (in < pattern.size() && pattern[in] == '?') {
            ++in;
            at = afterCharacter(name, at);
        } else if (in < pattern.size() && lowerAscii(pattern[in]) == lowerAscii(name[at])) {
            ++in;
            ++at;
        } else if (starIn != std::string_view::npos) {
            in = starIn + 1;
            at = starAt = afterCharacter(name, starAt);
        } else {
            return false;
        }
    }
    while (in < pattern.size() && pattern[in] == '*')
        ++in;
    return in == pattern.size();
}

// The paths below `folder` whose names match the components of `rest` one by one, each but
// the last a folder; appended in name order.
void appendMatches(const std::string& folder, std::string_view rest,
                   std::vector<std::string>& matches)
{
    std::size_t end = 0;
    while (end < rest.size() && !isPathSeparator(rest[end]))
        ++end;
    const std::string_view component = rest.substr(0, end);
    std::size_t next = end;
    while (next < rest.size() && isPathSeparator(rest[next]))
        ++next;
    bool listed = false;
    for (const FolderEntry& entry : entriesInNameOrder(folder, listed)) {
        if (!matchesPattern(entry.name, component))
            continue;
        const std::string path = inFolder(folder, entry.name);
        if (next == rest.size())
            matches.push_back(path);
        else if (entry.kind == EntryKind::Folder)
            appendMatches(path, rest.substr(next), matches);
    }
}

// The paths a pattern matches; the pattern itself when none. What comes before the folder
// of the first wildcard (a drive, a server's share) is taken as it is.
std::vector<std::string> pathsOfPattern(const std::string& pattern)
{
    std::size_t start = pattern.find_first_of("*?");
    while (start > 0 && !isPathSeparator(pattern[start - 1]))
        --start;
    std::vector<std::string> matches;
    appendMatches(pattern.substr(0, start), std::string_view(pattern).substr(start), matches);
    if (matches.empty())
        matches.push_back(pattern);
    return matches;
}

} // namespace

std::vector<std::string> logsOfArguments(const std::vector<std::string>& arguments,
                                         WildcardExpansion expansion)
{
    std::vector<std::string> logs;
    for (const std::string& argument : arguments) {
        const std::vector<std::string> paths =
            expansion == WildcardExpansion::ByTheProgram && isPattern(argument)
                ? pathsOfPattern(argument)
                : std::vector<std::string>{argument};
        for (const std::string& path : paths) {
            const std::size_t before = logs.size();
            std::set<std::string> walked; // each argument's own, as a log named twice is read twice
            if (!appendLogsIn(path, 0, walked, logs) || logs.size() == before)
                logs.push_back(path);
        }
    }
    return logs;
}
