// The chart as inline SVG: a plot of 0 to 100 percent over the learner's dates, grid lines
// with their labels, a line through the points, and a legend of the grade colours. The
// colours come from the page's style sheet by the classes g1 to g6.
#include "drillreport/svg_chart.h"

#include "drillreport/html_escape.h"
#include "drillreport/report_texts.h"
#include "logtext/drill_rules.h"

#include <cmath>
#include <vector>

namespace {

constexpr double width = 680;
constexpr double height = 270;
constexpr double plotLeft = 60;
constexpr double plotRight = 656;
constexpr double plotTop = 16;
constexpr double plotBottom = 196;
constexpr double plotMargin = 8; // of the plot's background, so that edge points lie on it
constexpr double legendTop = 252;
constexpr int dateLabelsAtMost = 5;

struct ChartPoint {
    LogMoment at = 0; // where it stands: the series' end, or the mean of its series' ends
    LogMoment first = 0;
    LogMoment last = 0;
    std::int64_t series = 0;
    std::int64_t exercises = 0;
    std::int64_t errors = 0;
    std::int32_t grade = 0;
};

// With one decimal, "60.0": written by hand, as a page of many charts holds millions.
void appendNumber(std::string& svg, double value)
{
    std::int64_t tenths = std::llround(value * 10);
    if (tenths < 0) {
        svg += '-';
        tenths = -tenths;
    }
    svg += std::to_string(tenths / 10);
    svg += '.';
    svg += static_cast<char>('0' + tenths % 10);
}

// Appends ` name="value"` for a coordinate.
void appendAttribute(std::string& svg, const char* name, double value)
{
    svg += ' ';
    svg += name;
    svg += "=\"";
    appendNumber(svg, value);
    svg += '"';
}

void appendText(std::string& svg, double x, double y, const char* anchor, std::string_view text)
{
    svg += "<text";
    appendAttribute(svg, "x", x);
    appendAttribute(svg, "y", y);
    svg += " text-anchor=\"";
    svg += anchor;
    svg += "\">";
    appendEscaped(svg, text);
    svg += "</text>\n";
}

void appendLine(std::string& svg, const char* kind, double x1, double y1, double x2, double y2)
{
    svg += "<line class=\"";
    svg += kind;
    svg += '"';
    appendAttribute(svg, "x1", x1);
    appendAttribute(svg, "y1", y1);
    appendAttribute(svg, "x2", x2);
    appendAttribute(svg, "y2", y2);
    svg += "/>\n";
}

// One point per series, or, beyond chartPointsAtMost, one per run of whole days: as many
// days as it takes to stay within that number.
std::vector<ChartPoint> chartPoints(const ReportData& data, std::int32_t learner,
                                    std::int64_t& daysPerPoint)
{
    const std::span<const std::size_t> mine = seriesOfLearner(data, learner);
    std::vector<ChartPoint> points;
    daysPerPoint = 0;
    if (mine.empty())
        return points;
    const std::int64_t firstDay = dayOf(data.series[mine.front()].end);
    if (static_cast<std::int64_t>(mine.size()) > chartPointsAtMost) {
        const std::int64_t days = dayOf(data.series[mine.back()].end) - firstDay + 1;
        daysPerPoint = (days + chartPointsAtMost - 1) / chartPointsAtMost;
    }
    std::int64_t bucket = -1;
    LogMoment momentSum = 0;
    for (const std::size_t position : mine) {
        const SeriesEntry* entry = &data.series[position];
        const std::int64_t entryBucket =
            daysPerPoint == 0 ? bucket + 1 : (dayOf(entry->end) - firstDay) / daysPerPoint;
        if (entryBucket != bucket) {
            bucket = entryBucket;
            points.push_back({});
            points.back().first = entry->end;
            momentSum = 0;
        }
        ChartPoint& point = points.back();
        momentSum += entry->end - point.first; // small sums: no overflow however many
        ++point.series;
        point.exercises += entry->exercises;
        point.errors += entry->errors;
        point.last = entry->end;
        point.at = point.first + momentSum / point.series;
        point.grade = point.series == 1
                          ? entry->grade
                          : gradeForPercentage(errorPercentage(point.errors, point.exercises));
    }
    return points;
}

void appendGrid(std::string& svg, LogMoment first, LogMoment last)
{
    svg += "<rect class=\"plot\"";
    appendAttribute(svg, "x", plotLeft - plotMargin);
    appendAttribute(svg, "y", plotTop - plotMargin);
    appendAttribute(svg, "width", plotRight - plotLeft + 2 * plotMargin);
    appendAttribute(svg, "height", plotBottom - plotTop + 2 * plotMargin);
    svg += "/>\n";
    for (int percent = 0; percent <= 100; percent += 25) {
        const double y = plotBottom - (plotBottom - plotTop) * percent / 100;
        appendLine(svg, "grid", plotLeft, y, plotRight, y);
        appendText(svg, plotLeft - plotMargin - 6, y + 4, "end", std::to_string(percent) + "%");
    }
    // Dates under the plot, evenly spread, each date once.
    const int labels = first == last ? 1 : dateLabelsAtMost;
    std::string previous;
    for (int i = 0; i < labels; ++i) {
        const LogMoment at = labels == 1 ? first : first + (last - first) * i / (labels - 1);
        std::string date;
        appendDate(date, at);
        if (date == previous)
            continue;
        previous = date;
        const double x = labels == 1 ? (plotLeft + plotRight) / 2
                                     : plotLeft + (plotRight - plotLeft) * i / (labels - 1);
        const char* anchor = labels == 1       ? "middle"
                             : i == 0          ? "start"
                             : i == labels - 1 ? "end"
                                               : "middle";
        appendLine(svg, "tick", x, plotBottom + plotMargin, x, plotBottom + plotMargin + 5);
        appendText(svg, x, plotBottom + plotMargin + 20, anchor, date);
    }
}

void appendLegend(std::string& svg)
{
    for (std::int32_t grade = 1; grade <= 6; ++grade) {
        const double x = plotLeft + (grade - 1) * 100;
        svg += "<circle class=\"g" + std::to_string(grade) + '"';
        appendAttribute(svg, "cx", x + 5);
        appendAttribute(svg, "cy", legendTop - 4);
        svg += " r=\"5\"/>\n";
        appendText(svg, x + 14, legendTop, "start",
                   std::string(reportTexts::gradeWord) + std::to_string(grade));
    }
}

// What a point's tool tip says: when, how many series, the percentage and the grade.
std::string pointTitle(const ChartPoint& point, bool thinned)
{
    std::string title;
    if (!thinned) {
        appendDateAndMinute(title, point.at);
    } else {
        appendDate(title, point.first);
        if (dayOf(point.first) != dayOf(point.last)) {
            title += reportTexts::until;
            appendDate(title, point.last);
        }
    }
    title += ": ";
    if (thinned)
        title += std::to_string(point.series) + std::string(reportTexts::pointSeries) + ", ";
    title += std::to_string(errorPercentage(point.errors, point.exercises)) + "%, ";
    title += reportTexts::gradeWord;
    title += std::to_string(point.grade);
    return title;
}

} // namespace

Chart progressChart(const ReportData& data, std::int32_t learner, std::string_view label)
{
    Chart chart;
    const std::vector<ChartPoint> points = chartPoints(data, learner, chart.daysPerPoint);
    if (points.empty())
        return chart;
    const LogMoment first = points.front().at;
    const LogMoment last = points.back().at;
    std::string& svg = chart.svg;
    svg += "<svg viewBox=\"0 0 ";
    appendNumber(svg, width);
    svg += ' ';
    appendNumber(svg, height);
    svg += "\" role=\"img\" aria-label=\"";
    appendEscaped(svg, label);
    svg += "\">\n";
    appendGrid(svg, first, last);
    std::vector<double> xs;
    std::vector<double> ys;
    for (const ChartPoint& point : points) {
        xs.push_back(first == last ? (plotLeft + plotRight) / 2
                                   : plotLeft + (plotRight - plotLeft) *
                                                    static_cast<double>(point.at - first) /
                                                    static_cast<double>(last - first));
        ys.push_back(plotBottom - (plotBottom - plotTop) *
                                      errorPercentage(point.errors, point.exercises) / 100.0);
    }
    svg += "<polyline class=\"trend\" points=\"";
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            svg += ' ';
        appendNumber(svg, xs[i]);
        svg += ',';
        appendNumber(svg, ys[i]);
    }
    svg += "\"/>\n";
    for (std::size_t i = 0; i < points.size(); ++i) {
        svg += "<circle class=\"g" + std::to_string(points[i].grade) + '"';
        appendAttribute(svg, "cx", xs[i]);
        appendAttribute(svg, "cy", ys[i]);
        svg += " r=\"4\"><title>";
        appendEscaped(svg, pointTitle(points[i], chart.daysPerPoint > 0));
        svg += "</title></circle>\n";
    }
    appendLegend(svg);
    svg += "</svg>\n";
    return chart;
}
