// A learner's chart: the error percentage of each series over time, coloured by its grade;
// and the legend of the colours.
#pragma once

#include "drillreport/report_data.h"

#include <cstdint>
#include <string>
#include <string_view>

// More series than this are drawn as one point per day, or per several days.
inline constexpr std::int64_t chartPointsAtMost = 300;

struct Chart {
    std::string svg;
    std::int64_t daysPerPoint = 0; // 0: a point per series
};

// The chart of one learner's series, label its text alternative; series must be counted
// (countSeries).
Chart progressChart(const ReportData& data, std::int32_t learner, std::string_view label);

// The grade colours with their numbers, once for all charts; label its text alternative.
std::string gradeLegend(std::string_view label);
