// The program's icon, drawn at any size: a blue rounded tile with a plus sign over two ruled
// lines, an arithmetic log at a glance. Each window layer turns the pixels into its icon.
#pragma once

#include <cstdint>
#include <vector>

// The sizes the program's icon comes in, largest first, as its .ico file holds them; the
// install rules and the tests read them from that file.
inline constexpr int viewerIconSizes[] = {128, 48, 32};

// size by size pixels, rows from the top, each pixel 4 bytes R, G, B, A with straight
// (not premultiplied) alpha; transparent around the tile. Empty for a size outside 1..1024.
std::vector<std::uint8_t> renderIconImage(int size);
