// The icon's pixels: their count, a transparent surround, and the plus sign on the tile.
#include "drillview/icon_image.h"

#include <gtest/gtest.h>

namespace {

struct Pixel {
    int red, green, blue, alpha;
};

// The pixel under a point of the unit square.
Pixel pixelAt(const std::vector<std::uint8_t>& pixels, int size, double u, double v)
{
    const auto x = static_cast<std::size_t>(u * size);
    const auto y = static_cast<std::size_t>(v * size);
    const std::size_t at = (y * static_cast<std::size_t>(size) + x) * 4;
    return {pixels[at], pixels[at + 1], pixels[at + 2], pixels[at + 3]};
}

} // namespace

TEST(IconImage, DrawsATileWithAPlusSignAtEverySize)
{
    for (const int size : {16, 32, 48, 128, 256}) {
        SCOPED_TRACE(size);
        const std::vector<std::uint8_t> pixels = renderIconImage(size);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size * 4));

        for (const auto& [u, v] : {std::pair{0.0, 0.0}, {0.99, 0.0}, {0.0, 0.99}, {0.99, 0.99}})
            EXPECT_EQ(pixelAt(pixels, size, u, v).alpha, 0) << u << "," << v;

        const Pixel plus = pixelAt(pixels, size, 0.5, 0.38);
        EXPECT_EQ(plus.alpha, 255);
        EXPECT_GE(std::min({plus.red, plus.green, plus.blue}), 240);

        const Pixel tile = pixelAt(pixels, size, 0.2, 0.55);
        EXPECT_EQ(tile.alpha, 255);
        EXPECT_GT(tile.blue, tile.red + 60);
    }
}

TEST(IconImage, RefusesSizesOutsideItsRange)
{
    for (const int size : {-1, 0, 1025})
        EXPECT_TRUE(renderIconImage(size).empty()) << size;
    EXPECT_EQ(renderIconImage(1).size(), 4u);
}
