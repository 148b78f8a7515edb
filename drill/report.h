// The series report: counts, error percentage, grade and the series record.
#pragma once

#include "drill/drill_console.h"
#include "drill/drill_state.h"

// Reports and logs the series if at least one exercise was answered, then resets it.
void runReport(DrillState& state, DrillConsole& console);
