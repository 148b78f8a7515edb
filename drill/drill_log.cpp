// The drill log's format and its appends.
#include "drill_log.h"

#include "drill_log_format.h"
#include "log_append.h"

#include <array>
#include <cstdio>

std::string formatTimeText(std::time_t moment)
{
    // English names by hand: the text must not follow the user's locale.
    static constexpr std::array<const char*, 7> days = {"Sun", "Mon", "Tue", "Wed",
                                                        "Thu", "Fri", "Sat"};
    static constexpr std::array<const char*, 12> months = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::tm* local = std::localtime(&moment);
    if (local == nullptr || local->tm_year + 1900 < 1000 || local->tm_year + 1900 > 9999)
        return "Thu Jan 01 00:00:00 1970\n";
    char text[32];
    std::snprintf(text, sizeof text, "%s %s %02d %02d:%02d:%02d %d\n", days[local->tm_wday % 7],
                  months[local->tm_mon % 12], local->tm_mday, local->tm_hour, local->tm_min,
                  local->tm_sec, local->tm_year + 1900);
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
    std::string record;
    auto line = [&record](std::string_view label, std::string_view value) {
        record += label;
        record += value;
        record += '\n';
    };
    line(logFormat::nameLabel, name);
    line(logFormat::typeLabel, std::to_string(exerciseType));
    line(logFormat::limitLabel, std::to_string(numberLimit));
    line(logFormat::gradeLabel, std::to_string(grade));
    line(logFormat::exercisesLabel, std::to_string(exercisesAnswered));
    line(logFormat::errorsLabel, std::to_string(errorCount));
    record += logFormat::endLabel;
    record += seriesEndTime; // the time text ends its own line
    line(logFormat::seriesRule, "");
    return record;
}

// A failed append is swallowed here: the log records progress, and the dialogue goes on.
static void appendRecord(const std::string& record)
{
    (void)appendToFile(logFormat::fileName, record);
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
    appendRecord(seriesRecord(name, exerciseType, numberLimit, grade, exercisesAnswered, errorCount,
                              seriesEndTime));
}
