// Draws the drill's application icon, a blue tile with the four arithmetic signs, and writes
// it as an .ico file of 32-bit images. Usage: drill_icon OUTPUT.ico
#include "ico_file.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr std::array<int, 3> iconSizes = {48, 32, 16};
constexpr int samplesPerSide = 4; // supersampling for smooth edges

struct Colour {
    double red, green, blue, alpha;
};

bool insideRoundedTile(double x, double y)
{
    const double low = 0.04, high = 0.96, radius = 0.2;
    if (x < low || x > high || y < low || y > high)
        return false;
    const double cx = x < low + radius ? low + radius : (x > high - radius ? high - radius : x);
    const double cy = y < low + radius ? low + radius : (y > high - radius ? high - radius : y);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

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

Colour sampleAt(double x, double y)
{
    if (!insideRoundedTile(x, y))
        return {0, 0, 0, 0};
    const int quarter = (y < 0.5 ? 0 : 2) + (x < 0.5 ? 0 : 1);
    const double cx = x < 0.5 ? 0.29 : 0.71, cy = y < 0.5 ? 0.29 : 0.71;
    if (insideSign(quarter, x - cx, y - cy))
        return {255, 255, 255, 255};
    // Lighter at the top, darker at the bottom.
    return {70 - 45 * y, 140 - 70 * y, 230 - 70 * y, 255};
}

std::uint8_t toByte(double value)
{
    return static_cast<std::uint8_t>(value + 0.5);
}

IcoImage drawImage(int size)
{
    IcoImage image{size, {}};
    image.pixels.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4);
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            Colour sum{0, 0, 0, 0};
            for (int sy = 0; sy < samplesPerSide; ++sy) {
                for (int sx = 0; sx < samplesPerSide; ++sx) {
                    const double x = (column + (sx + 0.5) / samplesPerSide) / size;
                    const double y = (row + (sy + 0.5) / samplesPerSide) / size;
                    const Colour sample = sampleAt(x, y);
                    sum.red += sample.red * sample.alpha;
                    sum.green += sample.green * sample.alpha;
                    sum.blue += sample.blue * sample.alpha;
                    sum.alpha += sample.alpha;
                }
            }
            const double count = samplesPerSide * samplesPerSide;
            const double weight = sum.alpha > 0 ? sum.alpha : 1;
            image.pixels.push_back(toByte(sum.red / weight));
            image.pixels.push_back(toByte(sum.green / weight));
            image.pixels.push_back(toByte(sum.blue / weight));
            image.pixels.push_back(toByte(sum.alpha / count));
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::vector<IcoImage> images;
    images.reserve(iconSizes.size());
    for (const int size : iconSizes)
        images.push_back(drawImage(size));
    return writeIcoFile(argv[1], images) ? 0 : 1;
}
