// Sampling an icon's shape: sixteen points per pixel, averaged.
#include "drillview/icon_sampling.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int samplesPerSide = 4;

std::uint8_t toByte(double value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

} // namespace

std::vector<std::uint8_t> sampleIcon(int size, IconShape shape)
{
    std::vector<std::uint8_t> pixels;
    if (size < 1 || size > 1024)
        return pixels;
    pixels.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            IconColour sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < samplesPerSide; ++sy) {
                for (int sx = 0; sx < samplesPerSide; ++sx) {
                    const double u = (x + (sx + 0.5) / samplesPerSide) / size;
                    const double v = (y + (sy + 0.5) / samplesPerSide) / size;
                    IconColour colour{};
                    if (!shape(u, v, colour))
                        continue;
                    sum.red += colour.red;
                    sum.green += colour.green;
                    sum.blue += colour.blue;
                    ++covered;
                }
            }
            const double share = covered == 0 ? 0.0 : 1.0 / covered;
            pixels.push_back(toByte(sum.red * share));
            pixels.push_back(toByte(sum.green * share));
            pixels.push_back(toByte(sum.blue * share));
            pixels.push_back(
                toByte(static_cast<double>(covered) / (samplesPerSide * samplesPerSide)));
        }
    }
    return pixels;
}
