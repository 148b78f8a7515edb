// Every counted series of the logs read, each once, and the learners they belong to.
#pragma once

#include "drillreport/log_time.h"

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

// Small, as there may be very many: the kind, the number limit and the grade fit in less.
struct SeriesEntry {
    LogMoment end = 0;
    std::int32_t learner = 0; // index into ReportData::learnerNames
    std::int32_t exercises = 0;
    std::int32_t errors = 0;
    std::int16_t limit = 0;
    std::int8_t kind = 0;
    std::uint8_t grade = 0; // 1 to 6

    bool operator==(const SeriesEntry&) const = default;
};

struct ReportData {
    std::vector<std::string> learnerNames; // UTF-8, as shown
    // In time order, each once, after countSeries. A deque grows without moving what it holds,
    // so that each series is written to memory once: fresh memory is dear.
    std::deque<SeriesEntry> series;
    std::int32_t logsRead = 0;
    std::int64_t linesLeftOut = 0;
    std::int64_t recordsLeftOut = 0;

    // Only the series of this learner are kept, when onlyLearner is set, and only those that
    // end from `from` to `until`, both included.
    bool onlyLearner = false;
    std::string onlyName;
    LogMoment from = earliestMoment;
    LogMoment until = latestMoment;

    // Each name as shown leads to its learner; -1 for a name that is not wanted.
    std::unordered_map<std::string, std::int32_t> learnerOfName;

    // After countSeries, each learner's series in time order as positions in series: those of
    // learner l are learnerSeries[learnerSeriesStart[l]] up to learnerSeries[learnerSeriesStart
    // [l + 1]], so that a learner's series are found without walking everyone's.
    std::vector<std::size_t> learnerSeriesStart;
    std::vector<std::size_t> learnerSeries;
};

// Reads one log through the viewer's line reader. False, with nothing read, when it cannot
// be opened (missing, a directory, not a regular file, not permitted).
bool readLog(ReportData& data, const char* path);

// Puts the series in time order and counts each series that several logs hold, or one log
// twice, once: the same learner and the same six values. Then indexes them by learner.
void countSeries(ReportData& data);

// The positions in data.series of one learner's series, in time order; after countSeries.
std::span<const std::size_t> seriesOfLearner(const ReportData& data, std::int32_t learner);
