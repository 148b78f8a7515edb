// One pass: every log is read, the series counted once each, and the one report written. A
// log that cannot be read is named and the others are still reported.
#include "report_run.h"

#include "csv_report.h"
#include "drill_log_format.h"
#include "html_page.h"
#include "report_options.h"
#include "report_platform.h"
#include "report_tables.h"
#include "report_texts.h"
#include "text_report.h"

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

std::string leftOutLine(const ReportData& data)
{
    std::string line(reportTexts::notCounted);
    line += counted(data.linesLeftOut, reportTexts::linesWord);
    line += reportTexts::and_;
    line += counted(data.recordsLeftOut, reportTexts::recordsWord);
    line += reportTexts::notCountedWhy;
    return line;
}

} // namespace

int runReport(const std::vector<std::string>& arguments)
{
    ReportOptions options;
    std::string problem;
    switch (parseOptions(arguments, options, problem)) {
    case OptionsOutcome::help:
        return writeStandardOutput(usage()) ? exitDone : exitUnreadable;
    case OptionsOutcome::wrong:
        writeMessage(problem);
        (void)writeStandardError(usage());
        return exitUsage;
    case OptionsOutcome::run:
        break;
    }
    if (options.logs.empty())
        options.logs.emplace_back(logFormat::fileName);

    int exitCode = exitDone;
    ReportData data;
    data.onlyLearner = options.nameGiven;
    data.onlyName = argumentAsUtf8(options.name);
    data.from = options.from;
    data.until = options.until;
    for (const std::string& log : options.logs) {
        if (!readLog(data, log.c_str())) {
            writeMessage(argumentAsUtf8(log) + std::string(reportTexts::cannotRead));
            exitCode = exitUnreadable;
        }
    }
    countSeries(data);
    if (data.linesLeftOut > 0 || data.recordsLeftOut > 0)
        writeMessage(leftOutLine(data));

    if (options.form == ReportForm::html) {
        if (!replaceFile(options.pagePath, htmlPage(data))) {
            writeMessage(argumentAsUtf8(options.pagePath) + std::string(reportTexts::cannotWrite));
            return exitUnreadable;
        }
        return exitCode;
    }
    // A spreadsheet's file stays one: that there are no series is said beside it.
    if (options.form == ReportForm::csv && data.series.empty())
        writeMessage(reportTexts::noSeries);
    const bool written = options.form == ReportForm::csv
                             ? writeCsvReport(data, writeStandardOutput)
                             : writeTextReport(data, writeStandardOutput);
    if (!written) {
        writeMessage(reportTexts::outputFailed);
        return exitUnreadable;
    }
    return exitCode;
}
