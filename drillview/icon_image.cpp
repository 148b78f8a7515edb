// The viewer's icon as shapes in the unit square.
#include "drillview/icon_image.h"

#include "drillview/icon_sampling.h"

#include <algorithm>
#include <cmath>

namespace {

using Colour = IconColour;

constexpr Colour tileTop{0.29, 0.56, 0.85};
constexpr Colour tileBottom{0.18, 0.43, 0.71};
constexpr Colour tileEdge{0.12, 0.31, 0.55};
constexpr Colour plusSign{1.0, 1.0, 1.0};
constexpr Colour ruledLine{0.87, 0.91, 0.96};

// Signed distance from the rounded tile's outline, negative inside.
double tileDistance(double u, double v)
{
    constexpr double halfSide = 0.46;
    constexpr double radius = 0.2;
    const double qu = std::abs(u - 0.5) - (halfSide - radius);
    const double qv = std::abs(v - 0.5) - (halfSide - radius);
    const double outside = std::hypot(std::max(qu, 0.0), std::max(qv, 0.0));
    return outside + std::min(std::max(qu, qv), 0.0) - radius;
}

bool inPlusSign(double u, double v)
{
    const double du = std::abs(u - 0.5);
    const double dv = std::abs(v - 0.38);
    return (du <= 0.075 && dv <= 0.24) || (dv <= 0.075 && du <= 0.24);
}

bool onRuledLine(double u, double v)
{
    if (u < 0.22 || u > 0.78)
        return false;
    return std::abs(v - 0.72) <= 0.035 || std::abs(v - 0.84) <= 0.035;
}

// The colour at one point of the unit square, or false where the icon is transparent.
bool colourAt(double u, double v, Colour& colour)
{
    const double distance = tileDistance(u, v);
    if (distance > 0)
        return false;
    if (distance > -0.045) {
        colour = tileEdge;
    } else if (inPlusSign(u, v)) {
        colour = plusSign;
    } else if (onRuledLine(u, v)) {
        colour = ruledLine;
    } else {
        colour = {tileTop.red + (tileBottom.red - tileTop.red) * v,
                  tileTop.green + (tileBottom.green - tileTop.green) * v,
                  tileTop.blue + (tileBottom.blue - tileTop.blue) * v};
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> renderIconImage(int size)
{
    return sampleIcon(size, colourAt);
}
