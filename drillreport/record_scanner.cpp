// A series record is eight lines in the order the drill writes them. A line that breaks the
// order ends the record it was in, whose lines are left out, and is read afresh.
#include "drillreport/record_scanner.h"

#include "drillreport/decimal_count.h"
#include "logtext/drill_log_format.h"
#include "logtext/drill_rules.h"

#include <algorithm>
#include <array>

namespace {

bool hasLabel(std::string_view line, std::string_view label)
{
    return line.starts_with(label);
}

bool isTimeRecord(std::string_view line, std::string_view label)
{
    LogMoment ignored = 0;
    return hasLabel(line, label) && parseTimeText(line.substr(label.size()), ignored);
}

// Values the drill can write, and a grade that follows from them by its grade table: a record
// edited by hand is not counted.
bool isSound(const ScannedSeries& series)
{
    return !kindWord(series.kind).empty() &&
           std::ranges::find(numberLimits, series.limit) != numberLimits.end() &&
           series.exercises >= 1 && series.errors <= series.exercises &&
           series.grade == gradeForPercentage(errorPercentage(series.errors, series.exercises));
}

// Whether the line is the open record's next one: its label in its place. Its value is read
// into the record, and a value that is not well-formed spoils the record.
bool continuesRecord(RecordScanner& scanner, std::string_view line)
{
    using logFormat::SeriesLine;
    const auto place = static_cast<SeriesLine>(scanner.linesRead);
    const std::string_view label = logFormat::seriesLabels[static_cast<std::size_t>(place)];
    if (place == SeriesLine::Rule)
        return line == label;
    if (!hasLabel(line, label))
        return false;
    const std::string_view text = line.substr(label.size());
    // The counted lines' fields, by their place; the name is read where the record opens.
    static constexpr std::array<std::int32_t ScannedSeries::*, 6> countFields = {
        nullptr,
        &ScannedSeries::kind,
        &ScannedSeries::limit,
        &ScannedSeries::grade,
        &ScannedSeries::exercises,
        &ScannedSeries::errors,
    };
    ScannedSeries& series = scanner.series;
    const bool valid = place == SeriesLine::End
                           ? parseTimeText(text, series.end)
                           : parseCount(text, series.*countFields[static_cast<std::size_t>(place)]);
    scanner.valuesValid = valid && scanner.valuesValid;
    return true;
}

} // namespace

bool scanLine(RecordScanner& scanner, std::string_view line)
{
    if (scanner.linesRead > 0) {
        if (continuesRecord(scanner, line)) {
            if (++scanner.linesRead < static_cast<std::int32_t>(logFormat::seriesLineCount))
                return false;
            scanner.linesRead = 0;
            if (scanner.valuesValid && isSound(scanner.series))
                return true;
            ++scanner.recordsLeftOut;
            return false;
        }
        leaveOutOpenRecord(scanner);
    }
    if (hasLabel(line, logFormat::nameLabel)) {
        scanner.series.loggedName.assign(line.substr(logFormat::nameLabel.size()));
        scanner.linesRead = 1;
        scanner.valuesValid = true;
        return false;
    }
    if (!isTimeRecord(line, logFormat::startLabel) &&
        !isTimeRecord(line, logFormat::nameEntryLabel))
        ++scanner.linesLeftOut;
    return false;
}

void leaveOutOpenRecord(RecordScanner& scanner)
{
    scanner.linesLeftOut += scanner.linesRead;
    scanner.linesRead = 0;
}
