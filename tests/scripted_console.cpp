// The scripted console's clock, generator and pause.
#include "scripted_console.h"

#include <gtest/gtest.h>

ScriptedConsole::ScriptedConsole(const std::string& typed, std::deque<int> numbers)
    : input(typed), draws(std::move(numbers)),
      console{
          input,
          output,
          [](std::ostream& out) { out << scriptedPause; },
          [this] { return clock; },
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
