// The overview's rows, each learner walking only their own series, so that the cost grows
// with learners plus series.
#include "drillreport/class_overview.h"

#include "logtext/drill_rules.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

std::string percent(std::int32_t value)
{
    return std::to_string(value) + "%";
}

// "58%, Note 4,8"
std::string percentAndGrade(const Figures& figures)
{
    return percent(errorPercentageOf(figures)) + std::string(reportTexts::figuresGrade) +
           averageGradeText(figures);
}

// Each slot's last recentSeries series, as positions in a ring, and how many it has had.
struct LatestOfKinds {
    std::array<std::array<std::size_t, static_cast<std::size_t>(recentSeries)>, kindSlots> ring{};
    std::array<std::size_t, kindSlots> count{};
};

// The kind and range of the highest recent errors per exercise among those with enough
// recent series, the first of equal ones; none where none has an error.
KindFigures kindToPractise(const ReportData& data, const LatestOfKinds& latest)
{
    constexpr auto recent = static_cast<std::size_t>(recentSeries);
    KindFigures chosen;
    for (std::size_t slot = 0; slot < kindSlots; ++slot) {
        const std::size_t count = latest.count[slot];
        if (count < static_cast<std::size_t>(practiseSeriesAtLeast))
            continue;
        Figures figures;
        for (std::size_t i = count - std::min(count, recent); i < count; ++i)
            addSeries(figures, data.series[latest.ring[slot][i % recent]]);
        const Figures& best = chosen.figures;
        if (figures.errors > 0 && (best.exercises == 0 || figures.errors * best.exercises >
                                                              best.errors * figures.exercises))
            chosen = kindFigures(slot, figures);
    }
    return chosen;
}

OverviewRow overviewRow(const ReportData& data, const LearnerFigures& learner, std::size_t at,
                        LatestOfKinds& latest)
{
    OverviewRow row;
    row.at = at;
    const std::span<const std::size_t> mine = seriesOfLearner(data, learner.learner);
    const auto count = static_cast<std::int64_t>(mine.size());
    Figures earlier;
    Figures later;
    latest.count = {};
    for (std::int64_t index = 0; index < count; ++index) {
        const std::size_t position = mine[static_cast<std::size_t>(index)];
        const SeriesEntry& entry = data.series[position];
        if (index < count / 2)
            addSeries(earlier, entry);
        else if (index >= count - count / 2)
            addSeries(later, entry);
        if (index + recentSeries >= count)
            addSeries(row.recent, entry);
        if (index + static_cast<std::int64_t>(sparklinePointsAtMost) >= count) {
            row.lastPercentages.push_back(
                entry.exercises > 0 ? errorPercentage(entry.errors, entry.exercises) : 0);
        }
        const std::size_t slot = kindSlot(entry);
        latest.ring[slot][latest.count[slot]++ % latest.ring[slot].size()] = position;
    }
    row.trend = trendOf(earlier, later);
    row.practise = kindToPractise(data, latest);
    row.needsHelp = gradeForPercentage(errorPercentageOf(row.recent)) >= helpFromGrade;
    return row;
}

} // namespace

Trend trendOf(const Figures& earlier, const Figures& later)
{
    if (earlier.series + later.series < trendSeriesAtLeast || earlier.exercises == 0 ||
        later.exercises == 0)
        return Trend::None;
    // The two-proportion z-test with the pooled share; all right or all wrong differ in nothing.
    const auto n1 = static_cast<double>(earlier.exercises);
    const auto n2 = static_cast<double>(later.exercises);
    const double pooled = static_cast<double>(earlier.errors + later.errors) / (n1 + n2);
    const double spread = std::sqrt(pooled * (1 - pooled) * (1 / n1 + 1 / n2));
    if (spread == 0)
        return Trend::Same;
    const double z =
        (static_cast<double>(later.errors) / n2 - static_cast<double>(earlier.errors) / n1) /
        spread;
    if (z < -trendCriticalValue)
        return Trend::Better;
    return z > trendCriticalValue ? Trend::Worse : Trend::Same;
}

std::vector<OverviewRow> classOverview(const ReportData& data,
                                       const std::vector<LearnerFigures>& learners)
{
    std::vector<OverviewRow> rows;
    rows.reserve(learners.size());
    LatestOfKinds latest;
    for (std::size_t at = 0; at < learners.size(); ++at)
        rows.push_back(overviewRow(data, learners[at], at, latest));
    // The percentage as shown decides, so that equal figures stand in the order of names.
    std::ranges::stable_sort(rows, [](const OverviewRow& a, const OverviewRow& b) {
        return errorPercentageOf(a.recent) > errorPercentageOf(b.recent);
    });
    return rows;
}

Table overviewTable(const ReportData& data, const std::vector<LearnerFigures>& learners,
                    const std::vector<OverviewRow>& rows)
{
    std::vector<std::string> header{std::string(reportTexts::nameColumn)};
    header.insert(header.end(), reportTexts::overviewColumns.begin(),
                  reportTexts::overviewColumns.end());
    header.emplace_back(reportTexts::figureColumns[0]);
    Table table{header, rows.size(), {}, 1};
    table.cells = [&data, &learners, &rows](std::size_t i) -> std::vector<std::string> {
        const LearnerFigures& learner = learners[rows[i].at];
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
        std::string practise(reportTexts::nothingShown);
        if (rows[i].practise.kind > 0) {
            practise = kindAndRange(rows[i].practise);
            practise += reportTexts::practiseAt;
            practise += percent(errorPercentageOf(rows[i].practise.figures));
        }
        return {shownName(data, learner.learner),
                percentAndGrade(rows[i].recent),
                percentAndGrade(learner.total),
                std::string(reportTexts::trendWords[static_cast<std::size_t>(rows[i].trend)]),
                practise,
                sparkline,
                std::to_string(learner.total.series)};
    };
    return table;
}

std::vector<std::string> overviewExplanation()
{
    const std::string recent = std::to_string(recentSeries);
    const auto word = [](Trend trend) {
        const auto at = static_cast<std::size_t>(trend);
        return std::string(reportTexts::trendArrows[at]) + ' ' +
               std::string(reportTexts::trendWords[at]);
    };
    const auto& order = reportTexts::orderHow;
    const auto& figures = reportTexts::recentHow;
    const auto& practise = reportTexts::practiseHow;
    const auto& sparkline = reportTexts::sparklineHow;
    const auto& trend = reportTexts::trendHow;
    return {
        std::string(order[0]) + recent + std::string(order[1]) + std::to_string(helpFromGrade) +
            std::string(order[2]),
        std::string(figures[0]) + recent + std::string(figures[1]),
        std::string(practise[0]) + recent + std::string(practise[1]) +
            std::to_string(practiseSeriesAtLeast) + std::string(practise[2]),
        std::string(sparkline[0]) + std::to_string(sparklinePointsAtMost) +
            std::string(sparkline[1]) + word(Trend::Worse) +
            std::string(reportTexts::listSeparator) + word(Trend::Better) + '.',
        std::string(trend[0]) + std::to_string(trendLevelPercent) + std::string(trend[1]) +
            std::to_string(trendSeriesAtLeast) + std::string(trend[2]),
    };
}
