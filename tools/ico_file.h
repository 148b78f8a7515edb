// Writing images of 32-bit colour as one .ico file, as the resource compiler takes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One square image: size by size pixels, rows from the top, each pixel 4 bytes R, G, B, A with
// straight alpha.
struct IcoImage {
    int size = 0;
    std::vector<std::uint8_t> pixels;
};

// The whole .ico file: the directory, then each image as a bitmap of bottom-up BGRA rows with
// an AND mask that marks the fully transparent pixels. Empty when an image is not 1 to 255
// pixels square with 4 bytes for each pixel.
std::string encodeIcoFile(const std::vector<IcoImage>& images);

// Writes the file; false when it cannot be written whole.
bool writeIcoFile(const char* path, const std::vector<IcoImage>& images);
