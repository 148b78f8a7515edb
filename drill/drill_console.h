// The drill's window on the outside world: console streams, pause, clock and generator.
#pragma once

#include <ctime>
#include <functional>
#include <istream>
#include <ostream>

struct DrillConsole {
    std::istream& in;
    std::ostream& out;
    std::function<void(std::ostream&)> pause;
    std::function<std::time_t()> now;
    std::function<void(unsigned)> seedGenerator;
    std::function<int()> drawNumber; // non-negative, as rand() answers
};
