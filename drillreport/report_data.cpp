// The logs' series, gathered line by line: memory grows with the learners and the series, not
// with the size of the logs.
#include "report_data.h"

#include "learner_name.h"
#include "log_line_reader.h"
#include "record_scanner.h"

#include <algorithm>
#include <tuple>

namespace {

// Memory must not grow with a log's size, not even for a log of one endless line.
constexpr std::size_t longestLine = std::size_t{64} * 1024;

// The learner of a logged name, learned once per form of the name; -1 when not wanted.
std::int32_t learnerOf(ReportData& data, const std::string& loggedName)
{
    const auto known = data.learnerOfLoggedName.find(loggedName);
    if (known != data.learnerOfLoggedName.end())
        return known->second;
    std::string name = decodeLearnerName(loggedName);
    std::int32_t learner = -1;
    if (!data.onlyLearner || name == data.onlyName) {
        const auto [found, added] = data.learnerOfName.try_emplace(
            name, static_cast<std::int32_t>(data.learnerNames.size()));
        if (added)
            data.learnerNames.push_back(std::move(name));
        learner = found->second;
    }
    data.learnerOfLoggedName.emplace(loggedName, learner);
    return learner;
}

auto orderKey(const SeriesEntry& entry)
{
    return std::tie(entry.end, entry.learner, entry.kind, entry.limit, entry.grade, entry.exercises,
                    entry.errors);
}

} // namespace

bool readLog(ReportData& data, const char* path)
{
    LogLineReader reader;
    if (!reader.open(path))
        return false;
    RecordScanner scanner;
    std::string line;
    std::string rest;
    while (!reader.atEnd()) {
        line.clear();
        if (!reader.readLinePart(line, longestLine)) {
            // Longer than any line of a record: its rest is passed over, a piece at a time,
            // and the line is left out like any other that belongs to no record.
            do
                rest.clear();
            while (!reader.readLinePart(rest, longestLine));
            line.clear();
        }
        if (!scanLine(scanner, line))
            continue;
        const ScannedSeries& found = scanner.series;
        const std::int32_t learner = learnerOf(data, found.loggedName);
        if (learner >= 0) {
            data.series.push_back({found.end, learner, found.exercises, found.errors,
                                   static_cast<std::int16_t>(found.limit),
                                   static_cast<std::int8_t>(found.kind),
                                   static_cast<std::uint8_t>(found.grade)});
        }
    }
    endOfLog(scanner);
    data.linesLeftOut += scanner.linesLeftOut;
    data.recordsLeftOut += scanner.recordsLeftOut;
    ++data.logsRead;
    return true;
}

void countSeries(ReportData& data)
{
    const auto inOrder = [](const SeriesEntry& a, const SeriesEntry& b) {
        return orderKey(a) < orderKey(b);
    };
    // A single log is in time order already, as the drill only ever appends to it.
    if (!std::ranges::is_sorted(data.series, inOrder))
        std::ranges::sort(data.series, inOrder);
    // The iterator form: clang 14 cannot build std::ranges::unique's result over a deque.
    data.series.erase(std::unique(data.series.begin(), data.series.end()), data.series.end());
}
