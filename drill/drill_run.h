// The drill from start-up to the end of input: banner, name, and the main cycle.
#pragma once

#include "drill/drill_console.h"
#include "drill/drill_state.h"

// Runs the dialogue; returns only when the console's input has ended.
void runDrill(DrillState& state, DrillConsole& console);
