// The page in UTF-8 with its style sheet inside; each learner's part is kept on one A4 page
// when printed.
#include "html_page.h"

#include "html_escape.h"
#include "report_tables.h"
#include "svg_chart.h"

#include <algorithm>

namespace {

constexpr std::string_view pageStart = R"(<!DOCTYPE html>
<html lang="de">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>)";

// The grade colours run from green (1) to red (6); plot, grid and line stay grey.
constexpr std::string_view style = R"(</title>
<style>
@page { size: A4; margin: 12mm; }
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10pt; color: #222;
       max-width: 186mm; margin: 1em auto; }
h1 { font-size: 16pt; }
h2 { font-size: 13pt; margin: 0.8em 0 0.3em; }
section { break-inside: avoid; page-break-inside: avoid; }
table { border-collapse: collapse; margin: 0.4em 0 1em; font-size: 8pt; }
th, td { padding: 2px 4px; border-bottom: 1px solid #ccc; text-align: right; white-space: nowrap; }
th { border-bottom: 1px solid #666; white-space: normal; vertical-align: bottom; }
.w { text-align: left; white-space: normal; }
svg { display: block; width: 100%; height: auto; font-size: 11px; }
svg text { fill: #333; }
.plot { fill: #f3f5f7; }
.grid { stroke: #d5d9dd; stroke-width: 1; }
.tick { stroke: #555; stroke-width: 1; }
.trend { fill: none; stroke: #8c959f; stroke-width: 1.2; }
.g1 { fill: #1a9641; } .g2 { fill: #74b842; } .g3 { fill: #c9b700; }
.g4 { fill: #f08c00; } .g5 { fill: #e04a2b; } .g6 { fill: #a50026; }
.note { color: #555; font-size: 9pt; margin: 0; }
</style>
</head>
<body>
)";

constexpr std::string_view pageEnd = "</body>\n</html>\n";

void appendElement(std::string& page, std::string_view tag, std::string_view text)
{
    page += '<';
    page += tag;
    page += '>';
    appendEscaped(page, text);
    page += "</";
    page += tag;
    page += ">\n";
}

void appendTable(std::string& page, const Table& table)
{
    const auto appendRow = [&](const std::vector<std::string>& cells, std::string_view tag) {
        page += "<tr>";
        for (std::size_t i = 0; i < cells.size(); ++i) {
            page += '<';
            page += tag;
            page += i < table.textColumns ? " class=\"w\">" : ">";
            appendEscaped(page, cells[i]);
            page += "</";
            page += tag;
            page += '>';
        }
        page += "</tr>\n";
    };
    page += "<table>\n<thead>";
    appendRow(table.header, "th");
    page += "</thead>\n<tbody>\n";
    for (std::size_t row = 0; row < table.rows; ++row)
        appendRow(table.cells(row), "td");
    page += "</tbody>\n</table>\n";
}

void appendLearner(std::string& page, const ReportData& data, const LearnerFigures& learner)
{
    page += "<section>\n";
    appendElement(page, "h2", shownName(data, learner.learner));
    const Chart chart = progressChart(data, learner.learner);
    std::string note(reportTexts::chartTitle);
    if (chart.daysPerPoint > 0) {
        note += ". ";
        note += reportTexts::onePointPer;
        note += chart.daysPerPoint == 1 ? std::string(reportTexts::daysWord.one)
                                        : counted(chart.daysPerPoint, reportTexts::daysWord);
    }
    note += '.';
    page += "<p class=\"note\">";
    appendEscaped(page, note);
    page += "</p>\n";
    page += chart.svg;
    appendTable(page, kindsTable(learner));
    page += "</section>\n";
}

} // namespace

std::string htmlPage(const ReportData& data)
{
    std::string page(pageStart);
    appendEscaped(page, reportTexts::pageTitle);
    page += style;
    appendElement(page, "h1", reportTexts::pageTitle);
    appendElement(page, "p", headingLine(data));
    if (data.series.empty()) {
        appendElement(page, "p", reportTexts::noSeries);
        page += pageEnd;
        return page;
    }
    const std::vector<LearnerFigures> learners = learnerFigures(data);
    // Room for about what is to come, so that a page of many learners is not copied as it
    // grows; room not filled costs address space only.
    const auto points = std::min(static_cast<std::int64_t>(data.series.size()),
                                 chartPointsAtMost * static_cast<std::int64_t>(learners.size()));
    page.reserve(
        static_cast<std::size_t>(std::int64_t{4096} * std::ssize(learners) + 256 * points));
    appendTable(page, learnersTable(data, learners));
    for (const LearnerFigures& learner : learners)
        appendLearner(page, data, learner);
    page += pageEnd;
    return page;
}
