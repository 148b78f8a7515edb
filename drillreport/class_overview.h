// The class at a glance, who needs help first: per learner the recent and the whole period's
// figures, whether the later series went better than the earlier ones, the kind to practise,
// and the error percentages of the last series.
#pragma once

#include "drillreport/figures.h"
#include "drillreport/report_tables.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// How many of the latest series make a learner's, or a kind's, recent figures.
inline constexpr std::int64_t recentSeries = 10;
inline constexpr std::size_t sparklinePointsAtMost = 30;
// Fewer series show no trend. A trend is called only where a two-proportion test finds the
// halves' errors per exercise different at this level, two-sided: beyond the normal
// distribution's critical value for it.
inline constexpr std::int64_t trendSeriesAtLeast = 4;
inline constexpr std::int32_t trendLevelPercent = 5;
inline constexpr double trendCriticalValue = 1.959963984540054;
// A kind and range is one to practise with at least this many recent series.
inline constexpr std::int64_t practiseSeriesAtLeast = 3;
// Recent series whose error percentage gives this grade, or a worse one, need help.
inline constexpr std::int32_t helpFromGrade = 5;

enum class Trend { None, Better, Same, Worse };

struct OverviewRow {
    std::size_t at = 0;                        // the learner's place in learnerFigures
    Figures recent;                            // of the last recentSeries series
    std::vector<std::int32_t> lastPercentages; // of the last series, the oldest first
    Trend trend = Trend::None;
    // The kind and range to practise, with the figures of its recent series; kind 0 for none.
    KindFigures practise;
    bool needsHelp = false;
};

// The earlier half is the first series up to the middle, the later half the series after it; a
// middle series of an odd number belongs to neither. Compared by errors per exercise of each.
Trend trendOf(const Figures& earlier, const Figures& later);

// A row per learner, the highest recent error percentage first, equal ones in the order of
// learners (learnerFigures): by name.
std::vector<OverviewRow> classOverview(const ReportData& data,
                                       const std::vector<LearnerFigures>& learners);

// The overview's cells, in the order of rows: the name, the recent and the whole period's
// figures, the trend's word, the kind to practise, the text alternative of the sparkline and
// the series.
Table overviewTable(const ReportData& data, const std::vector<LearnerFigures>& learners,
                    const std::vector<OverviewRow>& rows);

// The sentences that say how the overview is ordered and made, one a rule, the order first.
std::vector<std::string> overviewExplanation();
