// The logs that the LOG arguments stand for: a folder for the logs in it, and on a system
// whose shell hands wildcards to the program, a pattern for the names it matches.
#pragma once

#include <string>
#include <vector>

// Who expands * and ? in the arguments: a POSIX shell before the program starts, or, on
// Windows, the program itself, as every command-line program there must.
enum class WildcardExpansion { ByTheShell, ByTheProgram };

// Subfolders deeper than this below a folder named are not looked into.
inline constexpr int deepestSubfolder = 4;

// Each argument as the logs it stands for, in the order given: a folder for every file named
// like the log in it and in its subfolders, in name order, each folder once, links that lead
// back to a folder that holds them not followed; with ByTheProgram, a pattern for every existing
// path it matches, in name order. An argument, or a subfolder, that stands for no log and could be
// one stays as it is, so that reading it names it as unreadable.
std::vector<std::string> logsOfArguments(const std::vector<std::string>& arguments,
                                         WildcardExpansion expansion);
