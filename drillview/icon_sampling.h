// Icons drawn as shapes in the unit square and sampled four by four per pixel for soft
// edges: the viewer's window icon, and the icon generators' .ico files.
#pragma once

#include <cstdint>
#include <vector>

// A colour with its channels from 0 to 1.
struct IconColour {
    double red, green, blue;
};

// The drawing: the colour at a point of the unit square (u across, v down), or false where
// the icon is transparent.
using IconShape = bool (*)(double u, double v, IconColour& colour);

// size by size pixels, rows from the top, each pixel 4 bytes R, G, B, A with straight (not
// premultiplied) alpha: the mean colour of the samples the shape covers, and the share of
// them as alpha. Empty for a size outside 1..1024.
std::vector<std::uint8_t> sampleIcon(int size, IconShape shape);
