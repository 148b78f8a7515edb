// One pass: every log is read, the series counted once each, and the one report written. A
// log that cannot be read is named and the others are still reported.
#include "drillreport/report_run.h"

#include "drillreport/csv_report.h"
#include "drillreport/html_page.h"
#include "drillreport/report_options.h"
#include "drillreport/report_platform.h"
#include "drillreport/report_tables.h"
#include "drillreport/report_texts.h"
#include "drillreport/shown_text.h"
#include "drillreport/text_report.h"
#include "logtext/drill_log_format.h"

namespace {

std::string usage()
{
    std::string text(reportTexts::usage);
    text += reportTexts::usageDefaultLog;
    text += logFormat::fileName;
    text += '.';
    text += reportTexts::usageOptions;
    return text;
}

std::string leftOutLine(const ReportData& data)
{
    std::string line(reportTexts::notCounted);
    line += counted(data.linesLeftOut, reportTexts::linesWord);
    line += reportTexts::and_;
    line += counted(data.recordsLeftOut, reportTexts::recordsWord);
    line += reportTexts::notCountedWhy;
    return line;
}

// Why the page is not there, after its name.
std::string_view notReplacedWhy(ReplaceOutcome outcome)
{
    return outcome == ReplaceOutcome::NotAFile ? reportTexts::pageNotAFile
                                               : reportTexts::cannotWrite;
}

} // namespace

void writeMessage(std::string_view text)
{
    std::string line(reportTexts::messagePrefix);
    line += text;
    line += '\n';
    // Nothing is left to tell when standard error fails too.
    (void)writeStandardError(line);
}

std::vector<std::string> logsToRead(const ReportOptions& options, WildcardExpansion expansion)
{
    if (options.logs.empty())
        return {std::string(logFormat::fileName)};
    return logsOfArguments(options.logs, expansion);
}

void keepAsOptionsSay(ReportData& data, const ReportOptions& options)
{
    data.onlyLearner = options.nameGiven;
    data.onlyName = options.name;
    data.from = options.from;
    data.until = options.until;
}

bool readLogs(ReportData& data, const std::vector<std::string>& logs)
{
    bool allRead = true;
    for (const std::string& log : logs) {
        if (!readLog(data, log.c_str())) {
            writeMessage(shownFileName(log) + std::string(reportTexts::cannotRead));
            allRead = false;
        }
    }
    countSeries(data);
    if (data.linesLeftOut > 0 || data.recordsLeftOut > 0)
        writeMessage(leftOutLine(data));
    return allRead;
}

bool pageIsALog(const std::string& page, const std::vector<std::string>& logs)
{
    for (const std::string& log : logs) {
        if (isSameFile(page, log))
            return true;
    }
    return false;
}

ReplaceOutcome replacePage(const std::string& page, const ReportData& data)
{
    // The page's content, for replaceFile to write piece by piece.
    return replaceFile(page,
                       [&data](const ReportWriter& write) { return writeHtmlPage(data, write); });
}

bool pageWritten(const std::string& page, ReplaceOutcome outcome)
{
    if (outcome != ReplaceOutcome::Replaced) {
        writeMessage(shownFileName(page) + std::string(notReplacedWhy(outcome)));
        return false;
    }
    return true;
}

bool writePage(const std::string& page, const ReportData& data)
{
    return pageWritten(page, replacePage(page, data));
}

int runDrillReport(const std::vector<std::string>& arguments, WildcardExpansion expansion)
{
    ReportOptions options;
    std::string problem;
    switch (parseOptions(arguments, options, problem)) {
    case OptionsOutcome::Help:
        return writeStandardOutput(usage()) ? exitDone : exitUnreadable;
    case OptionsOutcome::Wrong:
        writeMessage(problem);
        (void)writeStandardError(usage());
        return exitUsage;
    case OptionsOutcome::Run:
        break;
    }
    const std::vector<std::string> logs = logsToRead(options, expansion);
    if (options.form == ReportForm::Html && pageIsALog(options.pagePath, logs)) {
        writeMessage(shownFileName(options.pagePath) + std::string(reportTexts::pageIsALog));
        return exitUsage;
    }

    ReportData data;
    keepAsOptionsSay(data, options);
    const int exitCode = readLogs(data, logs) ? exitDone : exitUnreadable;

    if (options.form == ReportForm::Html)
        return writePage(options.pagePath, data) ? exitCode : exitUnreadable;
    // A spreadsheet's file stays one: that there are no series is said beside it.
    if (options.form == ReportForm::Csv && data.series.empty())
        writeMessage(reportTexts::noSeries);
    const bool written = options.form == ReportForm::Csv
                             ? writeCsvReport(data, writeStandardOutput)
                             : writeTextReport(data, writeStandardOutput);
    if (!written) {
        writeMessage(reportTexts::outputFailed);
        return exitUnreadable;
    }
    return exitCode;
}
