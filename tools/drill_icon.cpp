// Draws the drill's application icon, a blue tile with the four arithmetic signs, and writes
// it as an .ico file of 32-bit images. Usage: drill_icon OUTPUT.ico
#include <array>
#include <cstdint>
#include <fstream>
#include <string>

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

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint8_t toByte(double value) { return static_cast<std::uint8_t>(value + 0.5); }

// One image as the .ico file stores it: a bitmap header, bottom-up BGRA rows, an AND mask.
std::string drawImage(int size)
{
    std::string image;
    appendLittleEndian(image, 40, 4);
    appendLittleEndian(image, static_cast<std::uint32_t>(size), 4);
    appendLittleEndian(image, static_cast<std::uint32_t>(2 * size), 4); // colours and mask
    appendLittleEndian(image, 1, 2);
    appendLittleEndian(image, 32, 2);
    for (int i = 0; i < 6; ++i)
        appendLittleEndian(image, 0, 4);

    const int maskRowBytes = (size + 31) / 32 * 4;
    std::string mask(static_cast<std::size_t>(maskRowBytes * size), '\0');
    for (int row = size - 1; row >= 0; --row) {
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
            image += static_cast<char>(toByte(sum.blue / weight));
            image += static_cast<char>(toByte(sum.green / weight));
            image += static_cast<char>(toByte(sum.red / weight));
            image += static_cast<char>(toByte(sum.alpha / count));
            if (sum.alpha == 0) {
                const int maskRow = size - 1 - row;
                mask[static_cast<std::size_t>(maskRow * maskRowBytes + column / 8)] |=
                    static_cast<char>(0x80 >> (column % 8));
            }
        }
    }
    return image + mask;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    std::string directory;
    appendLittleEndian(directory, 0, 2);
    appendLittleEndian(directory, 1, 2); // an icon, not a cursor
    appendLittleEndian(directory, iconSizes.size(), 2);
    std::string images;
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * iconSizes.size());
    for (const int size : iconSizes) {
        const std::string image = drawImage(size);
        directory += static_cast<char>(size);
        directory += static_cast<char>(size);
        appendLittleEndian(directory, 0, 2); // no palette, reserved
        appendLittleEndian(directory, 1, 2);
        appendLittleEndian(directory, 32, 2);
        appendLittleEndian(directory, static_cast<std::uint32_t>(image.size()), 4);
        appendLittleEndian(directory, offset, 4);
        offset += static_cast<std::uint32_t>(image.size());
        images += image;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << directory << images;
    return file.good() ? 0 : 1;
}
