// The program's run: the options, the logs, the report asked for, the exit code; and the steps
// of it that another way of starting the program takes too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct ReportData;

inline constexpr int exitDone = 0;
inline constexpr int exitUnreadable = 1; // a log could not be read, or an output not written
inline constexpr int exitUsage = 2;

// The arguments after the program's name.
int runDrillReport(const std::vector<std::string>& arguments);

// One line on standard error, after the program's name.
void writeMessage(std::string_view text);

// Every log read and the series counted; false when a log could not be read, which is named.
bool readLogs(ReportData& data, const std::vector<std::string>& logs);

// The page must never take a log's place, whatever name or link leads to it.
bool pageIsALog(const std::string& page, const std::vector<std::string>& logs);

// The page written whole over the old one; false, and why said, when it could not be.
bool writePage(const std::string& page, const ReportData& data);
