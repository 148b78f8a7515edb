// The class at a glance: per learner the error percentages of the last series, and whether the
// learner's later series went better than the earlier ones.
#pragma once

#include "drillreport/figures.h"
#include "drillreport/report_tables.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr std::size_t sparklinePointsAtMost = 30;
// Fewer series show no trend; the halves' error percentages within this many points are equal.
inline constexpr std::int64_t trendSeriesAtLeast = 4;
inline constexpr std::int32_t trendSameWithin = 2;

enum class Trend { None, Better, Same, Worse };

struct OverviewRow {
    std::vector<std::int32_t> lastPercentages; // of the last series, the oldest first
    Trend trend = Trend::None;
};

// The earlier half is the first series up to the middle, the later half the series after it; a
// middle series of an odd number belongs to neither. Compared by errors per exercise of each.
Trend trendOf(const Figures& earlier, const Figures& later);

// A row per learner, in the order of learners (learnerFigures), from one pass over the series.
std::vector<OverviewRow> classOverview(const ReportData& data,
                                       const std::vector<LearnerFigures>& learners);

// The overview's cells: the name, the series, the error percentage, the last grade, the text
// alternative of the sparkline and the trend's word.
Table overviewTable(const ReportData& data, const std::vector<LearnerFigures>& learners,
                    const std::vector<OverviewRow>& rows);

// The sentence that says how the sparkline and the trend are made.
std::string overviewExplanation();
