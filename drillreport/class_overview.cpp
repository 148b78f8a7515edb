// The overview's rows, gathered in one pass over all series: each series finds its learner's
// row by index, so the cost grows with learners plus series.
#include "drillreport/class_overview.h"

#include "logtext/drill_rules.h"

#include <algorithm>

namespace {

std::string percent(std::int32_t value)
{
    return std::to_string(value) + "%";
}

} // namespace

Trend trendOf(const Figures& earlier, const Figures& later)
{
    if (earlier.series + later.series < trendSeriesAtLeast || earlier.exercises == 0 ||
        later.exercises == 0)
        return Trend::None;
    const double change =
        100.0 * static_cast<double>(later.errors) / static_cast<double>(later.exercises) -
        100.0 * static_cast<double>(earlier.errors) / static_cast<double>(earlier.exercises);
    if (change < -trendSameWithin)
        return Trend::Better;
    return change > trendSameWithin ? Trend::Worse : Trend::Same;
}

std::vector<OverviewRow> classOverview(const ReportData& data,
                                       const std::vector<LearnerFigures>& learners)
{
    struct Gathering {
        std::size_t row = 0;
        std::int64_t count = 0; // all of the learner's series
        std::int64_t seen = 0;
        Figures earlier;
        Figures later;
    };
    std::vector<Gathering> byLearner(data.learnerNames.size());
    for (std::size_t row = 0; row < learners.size(); ++row) {
        Gathering& gathering = byLearner[static_cast<std::size_t>(learners[row].learner)];
        gathering.row = row;
        gathering.count = learners[row].total.series;
    }
    std::vector<OverviewRow> rows(learners.size());
    for (const SeriesEntry& entry : data.series) {
        Gathering& gathering = byLearner[static_cast<std::size_t>(entry.learner)];
        const std::int64_t index = gathering.seen++;
        if (index < gathering.count / 2)
            addSeries(gathering.earlier, entry);
        else if (index >= gathering.count - gathering.count / 2)
            addSeries(gathering.later, entry);
        if (index + static_cast<std::int64_t>(sparklinePointsAtMost) >= gathering.count) {
            rows[gathering.row].lastPercentages.push_back(
                entry.exercises > 0 ? errorPercentage(entry.errors, entry.exercises) : 0);
        }
    }
    for (const Gathering& gathering : byLearner) {
        if (gathering.count > 0)
            rows[gathering.row].trend = trendOf(gathering.earlier, gathering.later);
    }
    return rows;
}

Table overviewTable(const ReportData& data, const std::vector<LearnerFigures>& learners,
                    const std::vector<OverviewRow>& rows)
{
    const auto& figureColumns = reportTexts::figureColumns;
    Table table{{std::string(reportTexts::nameColumn), std::string(figureColumns[0]),
                 std::string(figureColumns[3]), std::string(figureColumns[6]),
                 std::string(reportTexts::sparklineColumn), std::string(reportTexts::trendColumn)},
                learners.size(),
                {},
                1};
    table.cells = [&data, &learners, &rows](std::size_t i) -> std::vector<std::string> {
        const Figures& total = learners[i].total;
        const std::vector<std::int32_t>& points = rows[i].lastPercentages;
        std::string sparkline;
        if (points.size() == 1) {
            sparkline = std::string(reportTexts::sparklineOne) + percent(points.back());
        } else if (!points.empty()) {
            const auto [lowest, highest] = std::ranges::minmax(points);
            sparkline = std::string(reportTexts::sparklineOf);
            sparkline += counted(static_cast<std::int64_t>(points.size()), reportTexts::seriesWord);
            sparkline += reportTexts::between;
            sparkline += percent(lowest);
            sparkline += reportTexts::and_;
            sparkline += percent(highest);
            sparkline += reportTexts::lastly;
            sparkline += percent(points.back());
        }
        return {shownName(data, learners[i].learner),
                std::to_string(total.series),
                percent(errorPercentageOf(total)),
                std::to_string(total.lastGrade),
                sparkline,
                std::string(reportTexts::trendWords[static_cast<std::size_t>(rows[i].trend)])};
    };
    return table;
}

std::string overviewExplanation()
{
    const auto& how = reportTexts::trendHow;
    return std::string(how[0]) + std::to_string(sparklinePointsAtMost) + std::string(how[1]) +
           std::to_string(trendSameWithin) + std::string(how[2]) +
           std::to_string(trendSeriesAtLeast) + std::string(how[3]);
}
