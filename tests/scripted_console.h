// A console for tests: scripted input, captured output, a fixed clock and fixed draws.
#pragma once

#include "drill_console.h"

#include <ctime>
#include <deque>
#include <sstream>
#include <string>
#include <vector>

struct ScriptedConsole {
    std::istringstream input;
    std::ostringstream output;
    std::deque<int> draws;
    std::vector<unsigned> seeds;
    std::time_t clock = 1700000000; // Tue Nov 14 22:13:20 2023 UTC
    DrillConsole console;

    explicit ScriptedConsole(const std::string& typed, std::deque<int> numbers = {});
};

// What the scripted pause writes in place of waiting for a key.
inline constexpr const char* scriptedPause = "<pause>\n";
