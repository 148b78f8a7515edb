// The figures of a run of series: counts, error percentage, grades and dates.
#pragma once

#include "drillreport/report_data.h"
#include "logtext/drill_rules.h"

#include <cstdint>
#include <vector>

struct Figures {
    std::int64_t series = 0;
    std::int64_t exercises = 0;
    std::int64_t errors = 0;
    std::int64_t gradeSum = 0;
    std::int32_t firstGrade = 0;
    std::int32_t lastGrade = 0;
    LogMoment first = 0;
    LogMoment last = 0;
};

// Series must come in time order.
void addSeries(Figures& figures, const SeriesEntry& entry);

// Wrong answers of all the series in whole percent, as the drill computes a series'.
std::int32_t errorPercentageOf(const Figures& figures);

// The mean grade in tenths, rounded half up: 23 for 2,3.
std::int64_t averageGradeTenths(const Figures& figures);

// Each kind and number range has a slot, in the order of the rows of kinds: by kind, then by
// range.
inline constexpr std::size_t kindSlots = texts::kindOptions.size() * numberLimits.size();
std::size_t kindSlot(const SeriesEntry& entry);

struct KindFigures {
    std::int32_t kind = 0;
    std::int32_t limit = 0;
    Figures figures;
};

struct LearnerFigures {
    std::int32_t learner = 0;
    Figures total;
    std::vector<KindFigures> kinds; // by kind, then by number limit
};

// The figures of the series of a slot.
KindFigures kindFigures(std::size_t slot, const Figures& figures);

// Per learner, in the order of their names.
std::vector<LearnerFigures> learnerFigures(const ReportData& data);
