// The exercise menu: kind of exercise and number range.
#pragma once

#include "drill_console.h"
#include "drill_state.h"

#include <cstdint>

// The number limit of a level chosen in the menu, 1 to 5; 0 for anything else.
std::int32_t numberLimitForLevel(std::int32_t level);

// Asks until a valid kind and level are chosen. False when the input ended first.
bool runMenu(DrillState& state, DrillConsole& console);
