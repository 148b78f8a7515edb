// The drill's one record of state, shared by the menu, the series and the report.
#pragma once

#include <cstdint>
#include <string>

// The kinds of exercise as the menu numbers them and the log records them.
enum class ExerciseType : std::int32_t {
    Addition = 1,
    Subtraction = 2,
    Multiplication = 3,
    Division = 4,
    Squaring = 5,
    SquareRoot = 6,
};

// The answer that ends a series instead of being judged.
inline constexpr std::int32_t SeriesEndAnswer = 12345;

struct DrillState {
    std::int32_t firstDraw = 0;
    std::int32_t exerciseNumber = 0;
    ExerciseType exerciseType{}; // none before the first choice
    std::int32_t secondDraw = 0; // holds the dividend of a division
    std::int32_t numberLimit = 0;
    std::int32_t quotient = 0;
    std::int32_t grade = 0;
    std::int32_t expectedAnswer = 0;
    std::int32_t errorCount = 0;
    std::int32_t errorPercentage = 0;
    std::int32_t lastInput = 0;
    std::string startTime;
    std::string name;
    std::string seriesEndTime;
    std::string nameEntryTime;
};
