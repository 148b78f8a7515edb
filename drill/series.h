// The exercise series: random exercises, judged one by one, until the learner types 12345.
#pragma once

#include "drill/drill_console.h"
#include "drill/drill_state.h"

#include <cstdint>
#include <string>

// Seeds the generator, draws the numbers of the next exercise and counts it.
void drawExercise(DrillState& state, DrillConsole& console);

// What the learner is shown of one exercise, and the answer that is right.
struct Exercise {
    std::string line;
    std::int32_t expectedAnswer = 0;
};

// The exercise for the numbers drawn into the state.
Exercise composeExercise(const DrillState& state);

// Runs one series. False when the input ended; the series then ends as if by 12345.
bool runSeries(DrillState& state, DrillConsole& console);
