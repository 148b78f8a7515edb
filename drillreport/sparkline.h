// A sparkline: a small inline SVG of error percentages, oldest first, for one row of a table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The line from 0 (bottom) to 100 percent (top), higher for more errors, its last point marked;
// label is its text alternative. Nothing for fewer than two.
std::string sparklineSvg(const std::vector<std::int32_t>& percentages, std::string_view label);
