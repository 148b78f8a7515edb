// The scripted console's clock, generator and pause.
#include "tests/scripted_console.h"

#include <gtest/gtest.h>

ScriptedConsole::ScriptedConsole(const std::string& typed, std::deque<int> numbers)
    : input(typed), draws(std::move(numbers)),
      console{
          input,
          output,
          [](std::ostream& out) { out << scriptedPause; },
          [this] { return scriptedClockStart + static_cast<std::time_t>(bytesRead()); },
          [this](unsigned seed) { seeds.push_back(seed); },
          [this] {
              if (draws.empty()) {
                  ADD_FAILURE() << "the dialogue drew more numbers than the test scripted";
                  return 0;
              }
              const int next = draws.front();
              draws.pop_front();
              return next;
          },
      }
{}

std::size_t ScriptedConsole::bytesRead()
{
    // Straight from the buffer: tellg() answers nothing once the input has ended.
    return static_cast<std::size_t>(input.rdbuf()->pubseekoff(0, std::ios::cur, std::ios::in));
}
