// The series report: counts, error percentage, grade and the series record.
#pragma once

#include "drill_console.h"
#include "drill_state.h"

#include <cstdint>

// The school grade, 1 (best) to 6, for an error percentage of 0 to 100.
std::int32_t gradeForPercentage(std::int32_t errorPercentage);

// Reports and logs the series if at least one exercise was answered, then resets it.
void runReport(DrillState& state, DrillConsole& console);
