// A console for tests: scripted input, captured output, a clock that moves with the input
// read, and fixed draws.
#pragma once

#include "drill/drill_console.h"

#include <cstddef>
#include <ctime>
#include <deque>
#include <sstream>
#include <string>
#include <vector>

// The scripted clock before any input is read: Tue Nov 14 22:13:20 2023 UTC. Every byte read
// advances it by one second, so each moment the dialogue takes tells how far it had read.
inline constexpr std::time_t scriptedClockStart = 1700000000;

struct ScriptedConsole {
    std::istringstream input;
    std::ostringstream output;
    std::deque<int> draws;
    std::vector<unsigned> seeds;
    DrillConsole console;

    explicit ScriptedConsole(const std::string& typed, std::deque<int> numbers = {});
    std::size_t bytesRead();
};

// What the scripted pause writes in place of waiting for a key.
inline constexpr const char* scriptedPause = "<pause>\n";
