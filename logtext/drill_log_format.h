// The drill log's name and the labels its lines begin with: written by the drill, read by the
// viewer and the report, and stated here once for all three.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace logFormat {

// Opened by this relative name, so the log lies in the working folder of each program.
inline constexpr const char* fileName = "tovu";

inline constexpr std::string_view startLabel = "Startzeit:..............";
inline constexpr std::string_view nameEntryLabel = "Logzeit:...............";
inline constexpr std::string_view nameLabel = "Name:..................";
inline constexpr std::string_view typeLabel = "Art:.......................";
inline constexpr std::string_view limitLabel = "Schwierigkeit:.......";
inline constexpr std::string_view gradeLabel = "Note:....................";
inline constexpr std::string_view exercisesLabel = "Aufgaben:............";
inline constexpr std::string_view errorsLabel = "Fehler:..................";
inline constexpr std::string_view endLabel = "Endzeit:................";
inline constexpr std::string_view seriesRule =
    "---------------------------------------------------------------------------------------";

// The series record's eight lines, in the order the drill writes them and the report reads
// them: each line is its label and a value, the end time's text ending its own line, and the
// rule closing the record.
enum class SeriesLine : std::size_t { Name, Type, Limit, Grade, Exercises, Errors, End, Rule };
inline constexpr std::size_t seriesLineCount = 8;
inline constexpr std::array<std::string_view, seriesLineCount> seriesLabels = {
    nameLabel, typeLabel, limitLabel, gradeLabel, exercisesLabel, errorsLabel, endLabel, seriesRule,
};

// What ends a line for every reader of the log: LF, CR (CR LF ending one line) and NUL.
inline constexpr bool endsLine(char byte)
{
    return byte == '\n' || byte == '\r' || byte == '\0';
}

// The time text's English names, three letters each, Sunday and January first.
inline constexpr std::string_view dayNames = "SunMonTueWedThuFriSat";
inline constexpr std::string_view monthNames = "JanFebMarAprMayJunJulAugSepOctNovDec";

} // namespace logFormat
