// The names a page's temporary file beside it may take, alike on every platform: short, so
// they fit wherever the page's name does, and a new one each time the last one is taken.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The start of a run's names, from its process id and the time.
inline std::uint32_t temporaryNameSeed(std::uint32_t processId, std::uint32_t time)
{
    return processId * 2654435761U ^ time;
}

// ".lf" and six hexadecimal digits; mixed carries on from one name to the next.
inline std::string nextTemporaryName(std::uint32_t& mixed)
{
    mixed = mixed * 1664525U + 1013904223U;
    char name[16];
    std::snprintf(name, sizeof name, ".lf%06X", static_cast<unsigned>(mixed >> 8));
    return name;
}
