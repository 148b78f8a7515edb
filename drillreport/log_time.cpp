// The ctime form read into seconds, and the calendar that turns them back into dates.
#include "drillreport/log_time.h"

#include "drillreport/decimal_count.h"
#include "logtext/drill_log_format.h"

#include <array>
#include <initializer_list>

namespace {

struct CivilDate {
    std::int64_t year;
    std::int32_t month; // 1 to 12
    std::int32_t day;   // 1 to 31
};

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(CivilDate date)
{
    const std::int64_t year = date.year - (date.month <= 2 ? 1 : 0);
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear =
        (153 * (date.month > 2 ? date.month - 3 : date.month + 9) + 2) / 5 + date.day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate civilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153; // March is 0
    const auto day = static_cast<std::int32_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const auto month =
        static_cast<std::int32_t>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

std::int32_t daysInMonth(std::int64_t year, std::int32_t month)
{
    if (month == 2) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

constexpr std::uint32_t packed(std::string_view name)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(name[0]) << 16 |
                                      static_cast<unsigned char>(name[1]) << 8 |
                                      static_cast<unsigned char>(name[2]));
}

template <std::size_t count>
constexpr std::array<std::uint32_t, count> packedNames(std::string_view names)
{
    std::array<std::uint32_t, count> packedNames{};
    for (std::size_t i = 0; i < count; ++i)
        packedNames[i] = packed(names.substr(i * 3, 3));
    return packedNames;
}

constexpr auto dayNames = packedNames<7>(logFormat::dayNames);
constexpr auto monthNames = packedNames<12>(logFormat::monthNames);

// The position of a three-letter name among the packed names, or -1.
template <std::size_t count>
std::int32_t nameIndex(const std::array<std::uint32_t, count>& names, std::string_view name)
{
    const std::uint32_t wanted = packed(name);
    for (std::size_t i = 0; i < count; ++i) {
        if (names[i] == wanted)
            return static_cast<std::int32_t>(i);
    }
    return -1;
}

// Digits only, all of them; -1 otherwise.
std::int32_t digitsValue(std::string_view text)
{
    std::int32_t value = -1;
    return parseCount(text, value) ? value : -1;
}

// A number written as exactly width digits, zero-padded; the calendar's values always fit.
struct Field {
    std::int64_t value;
    int width;
};

// The fields with the separator between them: "07.12.2026", "11:36:42".
void appendFields(std::string& text, std::initializer_list<Field> fields, char separator)
{
    for (const Field& field : fields) {
        if (&field != fields.begin())
            text += separator;
        char digits[8];
        std::int64_t value = field.value;
        for (int i = field.width - 1; i >= 0; --i, value /= 10)
            digits[i] = static_cast<char>('0' + value % 10);
        text.append(digits, static_cast<std::size_t>(field.width));
    }
}

std::int64_t secondOfDay(LogMoment moment)
{
    return moment - dayOf(moment) * secondsPerDay;
}

} // namespace

bool parseTimeText(std::string_view text, LogMoment& moment)
{
    if (text.size() != 24 || text[3] != ' ' || text[7] != ' ' || text[10] != ' ' ||
        text[13] != ':' || text[16] != ':' || text[19] != ' ')
        return false;
    if (nameIndex(dayNames, text.substr(0, 3)) < 0)
        return false;
    const std::int32_t month = nameIndex(monthNames, text.substr(4, 3)) + 1;
    const std::int32_t day = digitsValue(text[8] == ' ' ? text.substr(9, 1) : text.substr(8, 2));
    const std::int32_t hour = digitsValue(text.substr(11, 2));
    const std::int32_t minute = digitsValue(text.substr(14, 2));
    const std::int32_t second = digitsValue(text.substr(17, 2));
    const std::int32_t year = digitsValue(text.substr(20, 4));
    // A second of 60 is the leap second ctime may write.
    if (month < 1 || year < 0 || day < 1 || day > daysInMonth(year, month) || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60)
        return false;
    const LogMoment read = daysFromCivil({year, month, day}) * secondsPerDay +
                           hour * std::int64_t{3600} + minute * std::int64_t{60} + second;
    // The leap second at the end of 9999 falls into a year the dates cannot write in four digits.
    if (read >= daysFromCivil({10000, 1, 1}) * secondsPerDay)
        return false;
    moment = read;
    return true;
}

bool parseGermanDate(std::string_view text, LogMoment& dayStart)
{
    const std::size_t firstDot = text.find('.');
    const std::size_t secondDot = text.find('.', firstDot + 1);
    if (firstDot < 1 || firstDot > 2 || secondDot == std::string_view::npos ||
        secondDot - firstDot < 2 || secondDot - firstDot > 3 || text.size() - secondDot != 5)
        return false;
    const std::int32_t day = digitsValue(text.substr(0, firstDot));
    const std::int32_t month = digitsValue(text.substr(firstDot + 1, secondDot - firstDot - 1));
    const std::int32_t year = digitsValue(text.substr(secondDot + 1));
    if (year < 0 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return false;
    dayStart = daysFromCivil({year, month, day}) * secondsPerDay;
    return true;
}

void appendDate(std::string& text, LogMoment moment)
{
    const CivilDate date = civilFromDays(dayOf(moment));
    appendFields(text, {{date.day, 2}, {date.month, 2}, {date.year, 4}}, '.');
}

void appendIsoDate(std::string& text, LogMoment moment)
{
    const CivilDate date = civilFromDays(dayOf(moment));
    appendFields(text, {{date.year, 4}, {date.month, 2}, {date.day, 2}}, '-');
}

void appendClockTime(std::string& text, LogMoment moment)
{
    const std::int64_t second = secondOfDay(moment);
    appendFields(text, {{second / 3600, 2}, {second / 60 % 60, 2}, {second % 60, 2}}, ':');
}

void appendDateAndMinute(std::string& text, LogMoment moment)
{
    appendDate(text, moment);
    text += ' ';
    const std::int64_t second = secondOfDay(moment);
    appendFields(text, {{second / 3600, 2}, {second / 60 % 60, 2}}, ':');
}
