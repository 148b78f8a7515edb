// The logs' series, gathered line by line: memory grows with the learners and the series, not
// with the size of the logs.
#include "drillreport/report_data.h"

#include "drillreport/learner_name.h"
#include "drillreport/record_scanner.h"
#include "drillview/log_line_reader.h"

#include <algorithm>
#include <tuple>

namespace {

// Memory must not grow with a log's size, not even for a log of one endless line.
constexpr std::size_t longestLine = std::size_t{64} * 1024;

// The learner of a logged name; -1 when not wanted. A logged name that equals a name as shown
// is valid UTF-8 without control characters, so it is that name: only other forms are decoded.
std::int32_t learnerOf(ReportData& data, const std::string& loggedName)
{
    const auto known = data.learnerOfName.find(loggedName);
    if (known != data.learnerOfName.end())
        return known->second;
    std::string name = decodeLearnerName(loggedName);
    const bool wanted = !data.onlyLearner || name == data.onlyName;
    const auto [found, added] = data.learnerOfName.try_emplace(
        name, wanted ? static_cast<std::int32_t>(data.learnerNames.size()) : -1);
    if (added && wanted)
        data.learnerNames.push_back(std::move(name));
    return found->second;
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
        if (found.end < data.from || found.end > data.until)
            continue;
        const std::int32_t learner = learnerOf(data, found.loggedName);
        if (learner >= 0) {
            data.series.push_back({found.end, learner, found.exercises, found.errors,
                                   static_cast<std::int16_t>(found.limit),
                                   static_cast<std::int8_t>(found.kind),
                                   static_cast<std::uint8_t>(found.grade)});
        }
    }
    leaveOutOpenRecord(scanner);
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
    if (!std::is_sorted(data.series.begin(), data.series.end(), inOrder))
        std::sort(data.series.begin(), data.series.end(), inOrder);
    data.series.erase(std::unique(data.series.begin(), data.series.end()), data.series.end());

    // Counted per learner, then each series put in its learner's place: time order is kept.
    std::vector<std::size_t>& start = data.learnerSeriesStart;
    start.assign(data.learnerNames.size() + 1, 0);
    for (const SeriesEntry& entry : data.series)
        ++start[static_cast<std::size_t>(entry.learner) + 1];
    for (std::size_t learner = 1; learner < start.size(); ++learner)
        start[learner] += start[learner - 1];
    data.learnerSeries.resize(data.series.size());
    std::vector<std::size_t> next(start.begin(), start.end() - 1);
    for (std::size_t at = 0; at < data.series.size(); ++at)
        data.learnerSeries[next[static_cast<std::size_t>(data.series[at].learner)]++] = at;
}

std::span<const std::size_t> seriesOfLearner(const ReportData& data, std::int32_t learner)
{
    const auto index = static_cast<std::size_t>(learner);
    return std::span(data.learnerSeries)
        .subspan(data.learnerSeriesStart[index],
                 data.learnerSeriesStart[index + 1] - data.learnerSeriesStart[index]);
}
