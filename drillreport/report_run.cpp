// One pass: every log is read, the series counted once each, and the one report written. A
// log that cannot be read is named and the others are still reported. Started from the
// desktop, the program writes the page of the log here and shows it.
#include "drillreport/report_run.h"

#include "drillreport/csv_report.h"
#include "drillreport/html_page.h"
#include "drillreport/report_options.h"
#include "drillreport/report_platform.h"
#include "drillreport/report_tables.h"
#include "drillreport/report_texts.h"
#include "drillreport/text_report.h"
#include "logtext/drill_log_format.h"

namespace {

void writeMessage(std::string_view text)
{
    std::string line(reportTexts::messagePrefix);
    line += text;
    line += '\n';
    // Nothing is left to tell when standard error fails too.
    (void)writeStandardError(line);
}

std::string usage()
{
    std::string text(reportTexts::usage);
    text += reportTexts::usageDefaultLog;
    text += logFormat::fileName;
    text += '.';
    text += reportTexts::usageOptions;
    return text;
}

// The page's content, for replaceFile to write piece by piece.
std::function<bool(const ReportWriter&)> pageOf(const ReportData& data)
{
    return [&data](const ReportWriter& write) { return writeHtmlPage(data, write); };
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

// The page must never take a log's place, whatever name or link leads to it.
bool pageIsALog(const std::string& page, const std::vector<std::string>& logs)
{
    for (const std::string& log : logs) {
        if (isSameFile(page, log))
            return true;
    }
    return false;
}

// Why the page is not there, after its name.
std::string_view notReplacedWhy(ReplaceOutcome outcome)
{
    return outcome == ReplaceOutcome::NotAFile ? reportTexts::pageNotAFile
                                               : reportTexts::cannotWrite;
}

void writeLine(std::string_view text)
{
    // What cannot reach the screen cannot be read there either.
    (void)writeStandardOutput(std::string(text) + '\n');
}

// Every log read and the series counted; false when a log could not be read, which is named.
bool readLogs(ReportData& data, const std::vector<std::string>& logs)
{
    bool allRead = true;
    for (const std::string& log : logs) {
        if (!readLog(data, log.c_str())) {
            writeMessage(log + std::string(reportTexts::cannotRead));
            allRead = false;
        }
    }
    countSeries(data);
    if (data.linesLeftOut > 0 || data.recordsLeftOut > 0)
        writeMessage(leftOutLine(data));
    return allRead;
}

// The console closes with the program: what went wrong stays until a key is pressed.
int waitedFor(int exitCode)
{
    writeLine(reportTexts::pressAKey);
    waitForKey();
    return exitCode;
}

// Without a command prompt: the page of the log here, written beside it and shown.
int showPageHere()
{
    ReportData data;
    const std::vector<std::string> logs = {std::string(logFormat::fileName)};
    const bool read = readLogs(data, logs);
    if (data.series.empty()) {
        writeLine(reportTexts::noSeries);
        return waitedFor(read ? exitDone : exitUnreadable);
    }
    const std::string page = fullPath(std::string(reportTexts::desktopPage));
    if (pageIsALog(page, logs)) {
        writeMessage(page + std::string(reportTexts::pageIsALog));
        return waitedFor(exitUsage);
    }
    const ReplaceOutcome outcome = replaceFile(page, pageOf(data));
    if (outcome != ReplaceOutcome::Replaced) {
        writeMessage(page + std::string(notReplacedWhy(outcome)));
        return waitedFor(exitUnreadable);
    }
    writeLine(std::string(reportTexts::pageSavedIn) + page);
    if (!openInBrowser(page)) {
        writeMessage(page + std::string(reportTexts::cannotShow));
        return waitedFor(exitUnreadable);
    }
    return exitDone;
}

} // namespace

int runDrillReport(const std::vector<std::string>& arguments)
{
    if (arguments.empty() && startedAlone())
        return showPageHere();

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
    if (options.logs.empty())
        options.logs.emplace_back(logFormat::fileName);
    if (options.form == ReportForm::Html && pageIsALog(options.pagePath, options.logs)) {
        writeMessage(options.pagePath + std::string(reportTexts::pageIsALog));
        return exitUsage;
    }

    ReportData data;
    data.onlyLearner = options.nameGiven;
    data.onlyName = options.name;
    data.from = options.from;
    data.until = options.until;
    const int exitCode = readLogs(data, options.logs) ? exitDone : exitUnreadable;

    if (options.form == ReportForm::Html) {
        const ReplaceOutcome outcome = replaceFile(options.pagePath, pageOf(data));
        if (outcome != ReplaceOutcome::Replaced) {
            writeMessage(options.pagePath + std::string(notReplacedWhy(outcome)));
            return exitUnreadable;
        }
        return exitCode;
    }
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
