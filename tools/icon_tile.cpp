// The tile: a square with a margin of 0.04 and corners rounded with a radius of 0.2.
#include "tools/icon_tile.h"

bool insideRoundedTile(double x, double y)
{
    const double low = 0.04, high = 0.96, radius = 0.2;
    if (x < low || x > high || y < low || y > high)
        return false;
    const double cx = x < low + radius ? low + radius : (x > high - radius ? high - radius : x);
    const double cy = y < low + radius ? low + radius : (y > high - radius ? high - radius : y);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}
