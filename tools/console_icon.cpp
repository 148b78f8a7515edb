// The tile, a square with a margin of 0.04 and corners rounded with a radius of 0.2, and the
// generators' run.
#include "tools/console_icon.h"

#include "tools/ico_file.h"

#include <array>
#include <vector>

namespace {

// Largest first; the install rules and the tests read them from the .ico files.
constexpr std::array<int, 3> iconSizes = {48, 32, 16};

bool insideRoundedTile(double x, double y)
{
    const double low = 0.04, high = 0.96, radius = 0.2;
    if (x < low || x > high || y < low || y > high)
        return false;
    const double cx = x < low + radius ? low + radius : (x > high - radius ? high - radius : x);
    const double cy = y < low + radius ? low + radius : (y > high - radius ? high - radius : y);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

} // namespace

bool tileColour(double x, double y, bool onFigure, IconColour top, IconColour fall,
                IconColour& colour)
{
    if (!insideRoundedTile(x, y))
        return false;
    if (onFigure)
        colour = {1, 1, 1};
    else
        colour = {(top.red - fall.red * y) / 255, (top.green - fall.green * y) / 255,
                  (top.blue - fall.blue * y) / 255};
    return true;
}

int writeConsoleIcon(int argc, char** argv, IconShape shape)
{
    if (argc != 2)
        return 2;
    std::vector<IcoImage> images;
    images.reserve(iconSizes.size());
    for (const int size : iconSizes)
        images.push_back({size, sampleIcon(size, shape)});
    return writeIcoFile(argv[1], images) ? 0 : 1;
}
