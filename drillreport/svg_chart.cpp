// The chart as inline SVG: a plot of 0 to 100 percent over the learner's dates, grid lines
// with their labels, a line through the points, each point of several series with a whisker
// from its lowest to its highest series; and the legend of the grade colours, once a page.
// The colours and the size of the texts come from the page's style sheet: the classes g1 to
// g6, and chart, whose texts grow on a narrow screen. The grid and the whiskers are one path
// each, and lines end inside the tags, where they make no text nodes, so that a page of many
// learners stays light.
#include "drillreport/svg_chart.h"

#include "drillreport/html_escape.h"
#include "drillreport/report_tables.h"
#include "drillreport/report_texts.h"
#include "logtext/drill_rules.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Room on the left for "100%" in the largest texts the style sheet gives.
constexpr double width = 680;
constexpr double height = 250;
constexpr double plotLeft = 96;
constexpr double plotRight = 664;
constexpr double plotTop = 20;
constexpr double plotBottom = 196;
constexpr double plotMargin = 8; // of the plot's background, so that edge points lie on it
constexpr double tickLength = 5;
constexpr int dateLabelsAtMost = 3;

struct ChartPoint {
    LogMoment at = 0; // where it stands: the series' end, or the mean of its series' ends
    LogMoment first = 0;
    LogMoment last = 0;
    std::int64_t series = 0;
    std::int64_t exercises = 0;
    std::int64_t errors = 0;
    std::int32_t grade = 0;
    std::int32_t lowest = 0; // of its series' error percentages
    std::int32_t highest = 0;
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

// A text whose baseline lies shift (in ems, "0.35em") below y, so that it keeps its place
// whatever size the style sheet gives it.
void appendText(std::string& svg, double x, double y, const char* shift, const char* anchor,
                std::string_view text)
{
    svg += "<text";
    appendAttribute(svg, "x", x);
    appendAttribute(svg, "y", y);
    svg += " dy=\"";
    svg += shift;
    svg += "\" text-anchor=\"";
    svg += anchor;
    svg += "\">";
    appendEscaped(svg, text);
    svg += "</text\n>";
}

// A vertical or horizontal stroke of a path: " M60.0,16.0 H656.0".
void appendStroke(std::string& path, double x, double y, char direction, double to)
{
    path += " M";
    appendNumber(path, x);
    path += ',';
    appendNumber(path, y);
    path += ' ';
    path += direction;
    appendNumber(path, to);
}

void appendPath(std::string& svg, const char* kind, std::string_view strokes)
{
    svg += "<path class=\"";
    svg += kind;
    svg += "\" d=\"";
    svg += strokes.substr(1);
    svg += "\"\n/>";
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
        const std::int32_t percentage =
            entry->exercises > 0 ? errorPercentage(entry->errors, entry->exercises) : 0;
        point.lowest = point.series == 0 ? percentage : std::min(point.lowest, percentage);
        point.highest = point.series == 0 ? percentage : std::max(point.highest, percentage);
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

double percentY(double percent)
{
    return plotBottom - (plotBottom - plotTop) * percent / 100;
}

void appendGrid(std::string& svg, LogMoment first, LogMoment last)
{
    svg += "<rect class=\"plot\"";
    appendAttribute(svg, "x", plotLeft - plotMargin);
    appendAttribute(svg, "y", plotTop - plotMargin);
    appendAttribute(svg, "width", plotRight - plotLeft + 2 * plotMargin);
    appendAttribute(svg, "height", plotBottom - plotTop + 2 * plotMargin);
    svg += "\n/>";
    std::string strokes;
    for (int percent = 0; percent <= 100; percent += 25) {
        appendStroke(strokes, plotLeft, percentY(percent), 'H', plotRight);
        if (percent % 50 == 0) {
            appendText(svg, plotLeft - plotMargin - 6, percentY(percent), "0.35em", "end",
                       std::to_string(percent) + "%");
        }
    }
    appendPath(svg, "grid", strokes);
    // Dates under the plot, evenly spread, each date once.
    const int labels = first == last ? 1 : dateLabelsAtMost;
    const double tickTop = plotBottom + plotMargin;
    std::string previous;
    strokes.clear();
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
        appendStroke(strokes, x, tickTop, 'V', tickTop + tickLength);
        appendText(svg, x, tickTop + tickLength, "1.1em", anchor, date);
    }
    appendPath(svg, "tick", strokes);
}

// What a point's tool tip says: when, how many series, the percentage and the grade; a point
// of several series its first and last day and its series' lowest and highest percentage.
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
        title += counted(point.series, reportTexts::seriesWord) + ", ";
    title += std::to_string(errorPercentage(point.errors, point.exercises)) + "%";
    if (point.lowest != point.highest) {
        title += reportTexts::spread[0];
        title += std::to_string(point.lowest) + "%";
        title += reportTexts::until;
        title += std::to_string(point.highest) + "%";
        title += reportTexts::spread[1];
    }
    title += ", ";
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
    svg += "<svg class=\"chart\" viewBox=\"0 0 ";
    appendNumber(svg, width);
    svg += ' ';
    appendNumber(svg, height);
    svg += "\" role=\"img\" aria-label=\"";
    appendEscaped(svg, label);
    svg += "\"\n>";
    appendGrid(svg, first, last);
    std::vector<double> xs;
    std::vector<double> ys;
    std::string whiskers;
    for (const ChartPoint& point : points) {
        xs.push_back(first == last ? (plotLeft + plotRight) / 2
                                   : plotLeft + (plotRight - plotLeft) *
                                                    static_cast<double>(point.at - first) /
                                                    static_cast<double>(last - first));
        ys.push_back(percentY(errorPercentage(point.errors, point.exercises)));
        if (point.lowest != point.highest)
            appendStroke(whiskers, xs.back(), percentY(point.lowest), 'V', percentY(point.highest));
    }
    if (!whiskers.empty())
        appendPath(svg, "whisker", whiskers);
    if (points.size() > 1) {
        svg += "<polyline class=\"trend\" points=\"";
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i > 0)
                svg += ' ';
            appendNumber(svg, xs[i]);
            svg += ',';
            appendNumber(svg, ys[i]);
        }
        svg += "\"\n/>";
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        svg += "<circle class=\"g" + std::to_string(points[i].grade) + '"';
        appendAttribute(svg, "cx", xs[i]);
        appendAttribute(svg, "cy", ys[i]);
        svg += " r=\"4\"><title>";
        appendEscaped(svg, pointTitle(points[i], chart.daysPerPoint > 0));
        svg += "</title></circle\n>";
    }
    svg += "</svg\n>";
    return chart;
}

std::string gradeLegend(std::string_view label)
{
    constexpr double step = 46;
    std::string svg = "<svg class=\"legend\" viewBox=\"0 0 330 24\" role=\"img\" aria-label=\"";
    appendEscaped(svg, label);
    svg += "\"\n>";
    appendText(svg, 0, 12, "0.35em", "start", reportTexts::gradeWord);
    std::string numbers;
    std::string places;
    for (std::int32_t grade = 1; grade <= 6; ++grade) {
        const double x = 50 + (grade - 1) * step;
        svg += "<circle class=\"g" + std::to_string(grade) + '"';
        appendAttribute(svg, "cx", x + 6);
        appendAttribute(svg, "cy", 12);
        svg += " r=\"6\"\n/>";
        numbers += static_cast<char>('0' + grade);
        places += ' ';
        appendNumber(places, x + 16);
    }
    // The numbers are one text, each digit at its own place.
    svg += "<text x=\"";
    svg += places.substr(1);
    svg += "\" y=\"12\" dy=\"0.35em\">" + numbers + "</text></svg\n>";
    return svg;
}
