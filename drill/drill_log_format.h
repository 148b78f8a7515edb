// The drill log's name and the labels its lines begin with: written by the drill, read by the
// viewer and the report, and stated here once for all three.
#pragma once

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

} // namespace logFormat
