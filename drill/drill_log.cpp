// The drill log's format and its appends.
#include "drill/drill_log.h"

#include "drill/log_append.h"
#include "logtext/drill_log_format.h"

#include <array>
#include <cstdio>

std::string formatTimeText(std::time_t moment)
{
    // English names from the log's format: the text must not follow the user's locale.
    const auto name = [](std::string_view names, int index) {
        return names.substr(static_cast<std::size_t>(index) * 3, 3);
    };
    const std::tm* local = std::localtime(&moment);
    if (local == nullptr || local->tm_year + 1900 < 1000 || local->tm_year + 1900 > 9999)
        return "Thu Jan 01 00:00:00 1970\n";
    char text[80]; // room for any int the compiler cannot bound
    std::snprintf(text, sizeof text, "%.3s %.3s %02d %02d:%02d:%02d %d\n",
                  name(logFormat::dayNames, local->tm_wday % 7).data(),
                  name(logFormat::monthNames, local->tm_mon % 12).data(), local->tm_mday,
                  local->tm_hour, local->tm_min, local->tm_sec, local->tm_year + 1900);
    return text;
}

std::string startRecord(std::string_view startTime)
{
    std::string record(logFormat::startLabel);
    record += startTime;
    return record;
}

std::string nameEntryRecord(std::string_view nameEntryTime)
{
    std::string record(logFormat::nameEntryLabel);
    record += nameEntryTime;
    return record;
}

std::string seriesRecord(std::string_view name, std::int32_t exerciseType, std::int32_t numberLimit,
                         std::int32_t grade, std::int32_t exercisesAnswered,
                         std::int32_t errorCount, std::string_view seriesEndTime)
{
    using logFormat::SeriesLine;
    std::array<std::string, logFormat::seriesLineCount> values;
    const auto value = [&values](SeriesLine line) -> std::string& {
        return values[static_cast<std::size_t>(line)];
    };
    value(SeriesLine::Name) = name;
    value(SeriesLine::Type) = std::to_string(exerciseType);
    value(SeriesLine::Limit) = std::to_string(numberLimit);
    value(SeriesLine::Grade) = std::to_string(grade);
    value(SeriesLine::Exercises) = std::to_string(exercisesAnswered);
    value(SeriesLine::Errors) = std::to_string(errorCount);
    value(SeriesLine::End) = seriesEndTime;
    std::string record;
    for (std::size_t line = 0; line < logFormat::seriesLineCount; ++line) {
        record += logFormat::seriesLabels[line];
        record += values[line];
        if (line != static_cast<std::size_t>(SeriesLine::End)) // the time text ends its line
            record += '\n';
    }
    return record;
}

// A failed append is swallowed here: the log records progress, and the dialogue goes on.
static void appendRecord(const std::string& record, bool toDisk = false)
{
    (void)appendToFile(logFormat::fileName, record, toDisk);
}

void appendStartRecord(std::string_view startTime)
{
    appendRecord(startRecord(startTime));
}

void appendNameEntryRecord(std::string_view nameEntryTime)
{
    appendRecord(nameEntryRecord(nameEntryTime));
}

void appendSeriesRecord(std::string_view name, std::int32_t exerciseType, std::int32_t numberLimit,
                        std::int32_t grade, std::int32_t exercisesAnswered, std::int32_t errorCount,
                        std::string_view seriesEndTime)
{
    // A series is the learner's work: on the disk before the pause, after which a school's
    // computer may be switched off at the wall.
    appendRecord(seriesRecord(name, exerciseType, numberLimit, grade, exercisesAnswered, errorCount,
                              seriesEndTime),
                 true);
}
