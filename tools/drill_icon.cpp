// Draws the drill's application icon, a blue tile with the four arithmetic signs, and writes
// it as an .ico file of 32-bit images. Usage: drill_icon OUTPUT.ico
#include "tools/console_icon.h"

namespace {

bool insideBar(double dx, double dy, double halfLength, double halfWidth)
{
    return dx >= -halfLength && dx <= halfLength && dy >= -halfWidth && dy <= halfWidth;
}

// The signs +, -, x and : in the four quarters; dx, dy relative to the quarter's centre.
bool insideSign(int quarter, double dx, double dy)
{
    const double arm = 0.13, width = 0.04;
    const double diagonal = 0.70710678118654752; // rotates the plus into a cross
    switch (quarter) {
    case 0:
        return insideBar(dx, dy, arm, width) || insideBar(dy, dx, arm, width);
    case 1:
        return insideBar(dx, dy, arm, width);
    case 2: {
        const double u = (dx + dy) * diagonal, v = (dx - dy) * diagonal;
        return insideBar(u, v, arm, width) || insideBar(v, u, arm, width);
    }
    default: {
        const double dot = 0.05, offset = 0.09;
        return dx * dx + (dy - offset) * (dy - offset) <= dot * dot ||
               dx * dx + (dy + offset) * (dy + offset) <= dot * dot;
    }
    }
}

// The blue tile with a sign in each quarter.
bool sampleAt(double x, double y, IconColour& colour)
{
    const int quarter = (y < 0.5 ? 0 : 2) + (x < 0.5 ? 0 : 1);
    const double cx = x < 0.5 ? 0.29 : 0.71, cy = y < 0.5 ? 0.29 : 0.71;
    return tileColour(x, y, insideSign(quarter, x - cx, y - cy), {70, 140, 230}, {45, 70, 70},
                      colour);
}

} // namespace

int main(int argc, char** argv)
{
    return writeConsoleIcon(argc, argv, sampleAt);
}
