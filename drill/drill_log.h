// The drill log "tovu": its time text, its three records and the appends that write them.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// The ctime form of a moment in local time: 24 characters and a newline.
std::string formatTimeText(std::time_t moment);

std::string startRecord(std::string_view startTime);
std::string nameEntryRecord(std::string_view nameEntryTime);
std::string seriesRecord(std::string_view name, std::int32_t exerciseType, std::int32_t numberLimit,
                         std::int32_t grade, std::int32_t exercisesAnswered,
                         std::int32_t errorCount, std::string_view seriesEndTime);

// Each append writes its whole record at once; a record that cannot be written is lost.
void appendStartRecord(std::string_view startTime);
void appendNameEntryRecord(std::string_view nameEntryTime);
void appendSeriesRecord(std::string_view name, std::int32_t exerciseType, std::int32_t numberLimit,
                        std::int32_t grade, std::int32_t exercisesAnswered, std::int32_t errorCount,
                        std::string_view seriesEndTime);
