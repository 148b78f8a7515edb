// The program's run: the options, the logs, the report asked for, the exit code; and the steps
// of it that another way of starting the program takes too.
#pragma once

#include "drillreport/log_arguments.h"
#include "drillreport/report_platform.h"

#include <string>
#include <string_view>
#include <vector>

struct ReportData;
struct ReportOptions;

inline constexpr int exitDone = 0;
inline constexpr int exitUnreadable = 1; // a log could not be read, or an output not written
inline constexpr int exitUsage = 2;

// The arguments after the program's name.
int runDrillReport(const std::vector<std::string>& arguments, WildcardExpansion expansion);

// The logs the options name, the one here when they name none.
std::vector<std::string> logsToRead(const ReportOptions& options, WildcardExpansion expansion);

// The series the options keep: one learner's, those of a period.
void keepAsOptionsSay(ReportData& data, const ReportOptions& options);

// One line on standard error, after the program's name.
void writeMessage(std::string_view text);

// Every log read and the series counted; false when a log could not be read, which is named.
bool readLogs(ReportData& data, const std::vector<std::string>& logs);

// The page must never take a log's place, whatever name or link leads to it.
bool pageIsALog(const std::string& page, const std::vector<std::string>& logs);

// The page written whole over the old one; false, and why said, when it could not be.
bool writePage(const std::string& page, const ReportData& data);

// The same in two steps, for a caller that may try another place: the page written, silent;
// then why it was not, said, answering whether it was.
ReplaceOutcome replacePage(const std::string& page, const ReportData& data);
bool pageWritten(const std::string& page, ReplaceOutcome outcome);
