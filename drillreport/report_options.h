// The command line: drillreport [--csv | --html FILE] [--name NAME] [--von DATE] [--bis DATE]
// [LOG ...]
#pragma once

#include "drillreport/log_time.h"

#include <string>
#include <vector>

enum class ReportForm { Text, Csv, Html };

struct ReportOptions {
    ReportForm form = ReportForm::Text;
    std::string pagePath; // with --html
    bool nameGiven = false;
    std::string name;                // with --name, as given
    LogMoment from = earliestMoment; // 00:00:00 of --von's day
    LogMoment until = latestMoment;  // 23:59:59 of --bis's day
    std::vector<std::string> logs;
};

enum class OptionsOutcome { Run, Help, Wrong };

// Reads the arguments after the program's name. When they are wrong, problem says why.
OptionsOutcome parseOptions(const std::vector<std::string>& arguments, ReportOptions& options,
                            std::string& problem);
