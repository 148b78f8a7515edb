// Draws drillreport's icon, a green tile with three rising bars of a chart on its base line,
// and writes it as an .ico file of 32-bit images. Usage: drillreport_icon OUTPUT.ico
#include "tools/console_icon.h"

#include <array>

namespace {

// The bars' left edges and tops, from the left; each 0.16 wide, all standing on the base line.
constexpr std::array<double, 3> barLefts = {0.2, 0.42, 0.64};
constexpr std::array<double, 3> barTops = {0.56, 0.4, 0.22};
constexpr double barWidth = 0.16, baseLine = 0.8, lineWidth = 0.05;

bool onChart(double x, double y)
{
    if (y >= baseLine && y <= baseLine + lineWidth && x >= 0.14 && x <= 0.86)
        return true;
    for (std::size_t bar = 0; bar < barLefts.size(); ++bar) {
        if (x >= barLefts[bar] && x <= barLefts[bar] + barWidth && y >= barTops[bar] &&
            y < baseLine)
            return true;
    }
    return false;
}

// The green tile with the chart.
bool sampleAt(double x, double y, IconColour& colour)
{
    return tileColour(x, y, onChart(x, y), {60, 170, 90}, {40, 70, 40}, colour);
}

} // namespace

int main(int argc, char** argv)
{
    return writeConsoleIcon(argc, argv, sampleAt);
}
