// The exercise menu: kind of exercise and number range.
#pragma once

#include "drill/drill_console.h"
#include "drill/drill_state.h"

// Asks until a valid kind and level are chosen. False when the input ended first.
bool runMenu(DrillState& state, DrillConsole& console);
