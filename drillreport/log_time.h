// The drill log's time text, read, and the dates the report writes.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// A moment as a log states it, in the local time of the computer that wrote it: seconds since
// 1 January 1970 00:00 on that computer's clock. No time zone is known, and none is needed.
using LogMoment = std::int64_t;

inline constexpr LogMoment secondsPerDay = 86400;
// Before and after any moment a log can state: no bound.
inline constexpr LogMoment earliestMoment = std::numeric_limits<LogMoment>::min();
inline constexpr LogMoment latestMoment = std::numeric_limits<LogMoment>::max();

// Reads the 24-character ctime form, "Mon Dec 07 11:36:42 2026", the day zero-padded or
// blank-padded. False for anything else, a day the month does not have and a moment past the
// year 9999 included.
bool parseTimeText(std::string_view text, LogMoment& moment);

// A German date, "07.12.2026" or "7.12.2026", into the moment of its first second, 00:00:00.
// False for anything else, a day the month does not have included.
bool parseGermanDate(std::string_view text, LogMoment& dayStart);

// "07.12.2026"
void appendDate(std::string& text, LogMoment moment);
// "2026-12-07", and "11:36:42", for a writer that keeps the date of one day for all its
// moments.
void appendIsoDate(std::string& text, LogMoment moment);
void appendClockTime(std::string& text, LogMoment moment);
// "07.12.2026 11:36"
void appendDateAndMinute(std::string& text, LogMoment moment);

// Whole days since 1 January 1970; moments before it count to the day they fall on.
constexpr std::int64_t dayOf(LogMoment moment)
{
    return moment >= 0 ? moment / secondsPerDay : (moment - secondsPerDay + 1) / secondsPerDay;
}
