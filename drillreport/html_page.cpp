// The page in UTF-8 with its style sheet inside: the class overview, then each learner's part,
// each kept on one A4 page when printed. Wide tables scroll in their own box in a narrow window.
#include "drillreport/html_page.h"

#include "drillreport/class_overview.h"
#include "drillreport/html_escape.h"
#include "drillreport/report_tables.h"
#include "drillreport/sparkline.h"
#include "drillreport/svg_chart.h"

namespace {

constexpr std::string_view pageStart = R"(<!DOCTYPE html>
<html lang="de">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>)";

// The grade colours run from green (1) to red (6), each of a contrast of at least 3:1 against
// the plot's background; plot, grid and line stay grey.
constexpr std::string_view style = R"(</title>
<style>
@page { size: A4; margin: 12mm; }
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10pt; color: #222;
       max-width: 186mm; margin: 1em auto; padding: 0 0.5em; }
h1 { font-size: 16pt; }
h2 { font-size: 13pt; margin: 0.8em 0 0.3em; }
section { break-inside: avoid; page-break-inside: avoid; content-visibility: auto;
          contain-intrinsic-size: auto 150mm; }
.wide { overflow-x: auto; margin: 0.4em 0 1em; position: relative; }
table { border-collapse: collapse; font-size: 8pt; }
th, td { padding: 2px 4px; border-bottom: 1px solid #ccc; text-align: right; white-space: nowrap; }
thead th { border-bottom: 1px solid #666; white-space: normal; vertical-align: bottom; }
tbody th { font-weight: normal; }
.w { text-align: left; white-space: normal; overflow-wrap: break-word; }
.n { overflow-wrap: anywhere; min-width: 6em; overflow: hidden; }
a { color: #174a85; }
svg { display: block; width: 100%; height: auto; }
svg.chart { font-size: 12px; }
svg.legend { width: 330px; max-width: 100%; font-size: 13px; margin-bottom: 0.5em; }
svg text { fill: #333; }
.plot { fill: #f3f5f7; }
.grid { stroke: #d5d9dd; stroke-width: 1; }
.tick { stroke: #555; stroke-width: 1; }
.whisker { stroke: #555; stroke-width: 1.5; }
.trend { fill: none; stroke: #7a838d; stroke-width: 1.2; }
.g1 { fill: #1a9641; } .g2 { fill: #5b8a12; } .g3 { fill: #8a7b00; }
.g4 { fill: #c06000; } .g5 { fill: #d2381f; } .g6 { fill: #a50026; }
.overview table { font-size: 9pt; }
.overview td, .overview th { padding: 3px 6px; vertical-align: middle; }
.overview tr.need th { border-left: 4px solid #a50026; }
.help { display: block; font-weight: bold; color: #a50026; }
svg.spark { display: inline-block; width: 30mm; height: 6mm; overflow: visible;
            border-bottom: 1px solid #d5d9dd; }
.spark polyline { fill: none; }
.spark-line { stroke: #1f5fa8; stroke-width: 2; stroke-linejoin: round; }
.spark-end { stroke: #1f5fa8; stroke-width: 5; stroke-linecap: round; }
.arrow { font-size: 11pt; }
.note { color: #555; font-size: 9pt; margin: 0 0 0.2em; }
@media (max-width: 700px) { svg.chart { font-size: 17px; } }
@media (max-width: 500px) {
  svg.chart { font-size: 24px; }
  svg.spark { width: 15mm; }
  .overview td { white-space: normal; }
}
@media (max-width: 359px) { svg.chart { font-size: 27px; } }
@media print {
  body { max-width: none; margin: 0; padding: 0; }
  section { content-visibility: visible; }
  .wide { overflow: visible; }
  a { color: inherit; text-decoration: none; }
  .overview tr { break-inside: avoid; page-break-inside: avoid; }
}
</style>
</head>
<body>
<main>
)";

constexpr std::string_view pageEnd = "</main>\n</body>\n</html>\n";

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

void appendNote(std::string& page, std::string_view text)
{
    page += "<p class=\"note\">";
    appendEscaped(page, text);
    page += "</p\n>";
}

// Each learner's part has a name of plain letters, digits and hyphens made from the learner's
// name alone, so that a link to it stays right from run to run; other bytes are written in hex.
// The part is "name-" and the name, its heading "titel-" and the name: no two names share one.
std::string learnerAnchor(const ReportData& data, std::int32_t learner)
{
    static constexpr char hex[] = "0123456789abcdef";
    std::string anchor;
    for (const char c : data.learnerNames[static_cast<std::size_t>(learner)]) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
            (byte >= '0' && byte <= '9') || byte == '-') {
            anchor += c;
        } else {
            anchor += '_';
            anchor += hex[byte >> 4];
            anchor += hex[byte & 15];
        }
    }
    return anchor;
}

constexpr std::string_view partId = "name-";
constexpr std::string_view headingId = "titel-";

// A wide table scrolls in a box of its own, which the keyboard can reach and the heading of
// id labelledBy names.
void appendScrollBox(std::string& page, std::string_view labelledBy, std::string_view kind)
{
    page += "<div class=\"wide";
    page += kind;
    page += "\" role=\"region\" tabindex=\"0\" aria-labelledby=\"";
    page += labelledBy;
    page += "\"\n>";
}

// A cell of the classes given, none where empty: w for words, n for a name, which may wrap
// anywhere and whose marks stay inside it.
void appendCell(std::string& page, bool header, std::string_view classes, std::string_view markup)
{
    page += header ? "<th scope=\"row\"" : "<td";
    if (!classes.empty()) {
        page += " class=\"";
        page += classes;
        page += '"';
    }
    page += '>';
    page += markup;
    page += header ? "</th>" : "</td>";
}

void appendHeader(std::string& page, const Table& table, const std::vector<bool>& words)
{
    page += "<table\n><thead><tr>";
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        page += words[i] ? "<th scope=\"col\" class=\"w\">" : "<th scope=\"col\">";
        appendEscaped(page, table.header[i]);
        page += "</th>";
    }
    page += "</tr></thead\n><tbody\n>";
}

// The leading columns hold words; with names, the first holds the learner's name.
void appendTable(PieceOutput& out, const Table& table, std::string_view labelledBy, bool names)
{
    std::string& page = out.text;
    appendScrollBox(page, labelledBy, "");
    std::vector<bool> words(table.header.size());
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = i < table.textColumns;
    appendHeader(page, table, words);
    std::string cell;
    for (std::size_t index = 0; index < table.rows; ++index) {
        const std::vector<std::string> row = table.cells(index);
        page += "<tr>";
        for (std::size_t i = 0; i < row.size(); ++i) {
            cell.clear();
            appendEscaped(cell, row[i]);
            appendCell(page, i == 0, i == 0 && names ? "w n" : words[i] ? "w" : "", cell);
        }
        page += "</tr\n>";
        handOn(out);
    }
    page += "</tbody></table></div\n>";
}

// The overview's cells as the table has them, but the name a link to the learner's part, the
// need said under the recent figures, the trend led by its arrow and the sparkline drawn.
void appendOverview(PieceOutput& out, const ReportData& data,
                    const std::vector<LearnerFigures>& learners)
{
    enum Column { Name, Recent, Total, TrendWord, Practise, Sparkline, Series };
    std::string& page = out.text;
    const std::vector<OverviewRow> rows = classOverview(data, learners);
    const Table table = overviewTable(data, learners, rows);
    page += "<h2 id=\"uebersicht\">";
    appendEscaped(page, reportTexts::overviewTitle);
    page += "</h2>\n";
    const std::vector<std::string> explanation = overviewExplanation();
    appendNote(page, explanation.front());
    appendScrollBox(page, "uebersicht", " overview");
    appendHeader(page, table, {true, false, false, true, true, true, false});
    std::string cell;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string> texts = table.cells(i);
        page += rows[i].needsHelp ? "<tr class=\"need\">" : "<tr>";
        cell = "<a href=\"#";
        cell += partId;
        cell += learnerAnchor(data, learners[rows[i].at].learner) + "\">";
        appendEscaped(cell, texts[Name]);
        cell += "</a>";
        appendCell(page, true, "w n", cell);
        cell.clear();
        appendEscaped(cell, texts[Recent]);
        if (rows[i].needsHelp) {
            cell += " <strong class=\"help\">";
            appendEscaped(cell, reportTexts::needsHelp);
            cell += "</strong>";
        }
        appendCell(page, false, "", cell);
        cell.clear();
        appendEscaped(cell, texts[Total]);
        appendCell(page, false, "", cell);
        // The arrow is for the eye; a screen reader reads the word.
        const std::string_view arrow =
            reportTexts::trendArrows[static_cast<std::size_t>(rows[i].trend)];
        cell.clear();
        if (!arrow.empty()) {
            cell += "<span class=\"arrow\" aria-hidden=\"true\">";
            cell += arrow;
            cell += "</span>\u00a0";
        }
        appendEscaped(cell, texts[TrendWord]);
        appendCell(page, false, "w", cell);
        cell.clear();
        appendEscaped(cell, texts[Practise]);
        appendCell(page, false, "w", cell);
        cell = sparklineSvg(rows[i].lastPercentages, texts[Sparkline]);
        appendCell(page, false, "w", cell.empty() ? std::string(reportTexts::nothingShown) : cell);
        appendCell(page, false, "", texts[Series]);
        page += "</tr\n>";
        handOn(out);
    }
    page += "</tbody></table></div\n>";
    for (std::size_t i = 1; i < explanation.size(); ++i)
        appendNote(page, explanation[i]);
}

// The chart's text alternative: the learner's figures in one sentence.
std::string chartLabel(const ReportData& data, const LearnerFigures& learner)
{
    const Figures& total = learner.total;
    std::string label(reportTexts::chartOf);
    label += shownName(data, learner.learner);
    label += ": ";
    label += counted(total.series, reportTexts::seriesWord);
    label += reportTexts::seriesFrom;
    appendDate(label, total.first);
    label += reportTexts::until;
    appendDate(label, total.last);
    label += reportTexts::together;
    label += std::to_string(errorPercentageOf(total)) + "%";
    label += reportTexts::lastGrade;
    label += std::to_string(total.lastGrade);
    return label;
}

void appendLearner(PieceOutput& out, const ReportData& data, const LearnerFigures& learner)
{
    std::string& page = out.text;
    const std::string anchor = learnerAnchor(data, learner.learner);
    const std::string heading = std::string(headingId) + anchor;
    page += "<section id=\"";
    page += partId;
    page += anchor + "\"\n><h2 class=\"n\" id=\"" + heading + "\">";
    appendEscaped(page, shownName(data, learner.learner));
    page += "</h2\n>";
    const Chart chart = progressChart(data, learner.learner, chartLabel(data, learner));
    if (chart.daysPerPoint > 0) {
        std::string note(reportTexts::onePointPer);
        note += chart.daysPerPoint == 1 ? std::string(reportTexts::daysWord.one)
                                        : counted(chart.daysPerPoint, reportTexts::daysWord);
        note += reportTexts::pointHow;
        note += '.';
        appendNote(page, note);
    }
    page += chart.svg;
    appendTable(out, pageTable(kindsTable(learner)), heading, false);
    page += "</section\n>";
}

} // namespace

bool writeHtmlPage(const ReportData& data, const ReportWriter& write)
{
    PieceOutput out = startPieces(write, pageStart);
    std::string& page = out.text;
    appendEscaped(page, reportTexts::pageTitle);
    page += style;
    page += "<h1 id=\"titel\">";
    appendEscaped(page, reportTexts::pageTitle);
    page += "</h1>\n";
    appendElement(page, "p", headingLine(data));
    if (data.series.empty()) {
        appendElement(page, "p", reportTexts::noSeries);
        page += pageEnd;
        handOn(out, true);
        return !out.failed;
    }
    const std::vector<LearnerFigures> learners = learnerFigures(data);
    appendOverview(out, data, learners);
    appendTable(out, pageTable(learnersTable(data, learners)), "titel", true);
    appendElement(page, "p", reportTexts::chartTitle);
    page += gradeLegend(reportTexts::legendLabel);
    for (const LearnerFigures& learner : learners) {
        if (out.failed)
            return false;
        appendLearner(out, data, learner);
    }
    page += pageEnd;
    handOn(out, true);
    return !out.failed;
}
