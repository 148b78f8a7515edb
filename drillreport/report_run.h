// The program's run: the options, the logs, the report asked for, the exit code.
#pragma once

#include <string>
#include <vector>

inline constexpr int exitDone = 0;
inline constexpr int exitUnreadable = 1; // a log could not be read, or an output not written
inline constexpr int exitUsage = 2;

// The arguments after the program's name.
int runDrillReport(const std::vector<std::string>& arguments);
