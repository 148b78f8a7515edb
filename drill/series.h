// The exercise series: random exercises, judged one by one, until the learner types 12345.
#pragma once

#include "drill_console.h"
#include "drill_state.h"

#include <string>

// Seeds the generator, draws the numbers of the next exercise and counts it.
void drawExercise(DrillState& state, DrillConsole& console);

// The exercise line for the numbers in the state; sets the expected answer.
std::string composeExercise(DrillState& state);

// Runs one series. False when the input ended; the series then ends as if by 12345.
bool runSeries(DrillState& state, DrillConsole& console);
