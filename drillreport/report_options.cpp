// Options come before, between or after the logs; "--" ends them, so that a log may be called
// like one.
#include "drillreport/report_options.h"

#include "drillreport/report_texts.h"
#include "drillreport/shown_text.h"

OptionsOutcome parseOptions(const std::vector<std::string>& arguments, ReportOptions& options,
                            std::string& problem)
{
    bool formGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            options.logs.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help")
            return OptionsOutcome::Help;
        const bool isDate = argument == "--von" || argument == "--bis";
        const bool takesValue = argument == "--html" || argument == "--name" || isDate;
        if (argument != "--csv" && !takesValue) {
            problem = std::string(reportTexts::unknownOption) + shownFileName(argument);
            return OptionsOutcome::Wrong;
        }
        if (takesValue && i + 1 == arguments.size()) {
            problem = std::string(reportTexts::missingValue) + argument;
            return OptionsOutcome::Wrong;
        }
        if (isDate) {
            LogMoment dayStart = 0;
            if (!parseGermanDate(arguments[++i], dayStart)) {
                problem = std::string(reportTexts::invalidDate) + argument + ": " +
                          shownFileName(arguments[i]);
                return OptionsOutcome::Wrong;
            }
            (argument == "--von" ? options.from : options.until) =
                argument == "--von" ? dayStart : dayStart + secondsPerDay - 1;
            continue;
        }
        if (argument == "--name") {
            options.nameGiven = true;
            options.name = arguments[++i];
            continue;
        }
        const ReportForm form = argument == "--csv" ? ReportForm::Csv : ReportForm::Html;
        if (formGiven && form != options.form) {
            problem = reportTexts::csvOrHtml;
            return OptionsOutcome::Wrong;
        }
        formGiven = true;
        options.form = form;
        if (form == ReportForm::Html)
            options.pagePath = arguments[++i];
    }
    if (options.from > options.until) {
        problem = reportTexts::fromAfterUntil;
        return OptionsOutcome::Wrong;
    }
    return OptionsOutcome::Run;
}
