// The .ico encoder the icon generators share.
#include "tools/ico_file.h"

#include <fstream>

namespace {

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A bitmap header, bottom-up BGRA rows, an AND mask.
std::string encodeImage(const IcoImage& image)
{
    const int size = image.size;
    std::string bytes;
    appendLittleEndian(bytes, 40, 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(size), 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(2 * size), 4); // colours and mask
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, 32, 2);
    for (int i = 0; i < 6; ++i)
        appendLittleEndian(bytes, 0, 4);

    const auto side = static_cast<std::size_t>(size);
    const std::size_t maskRowBytes = (side + 31) / 32 * 4;
    std::string mask(maskRowBytes * side, '\0');
    for (std::size_t row = side; row-- > 0;) {
        for (std::size_t column = 0; column < side; ++column) {
            const std::size_t at = (row * side + column) * 4;
            bytes += static_cast<char>(image.pixels[at + 2]);
            bytes += static_cast<char>(image.pixels[at + 1]);
            bytes += static_cast<char>(image.pixels[at]);
            bytes += static_cast<char>(image.pixels[at + 3]);
            if (image.pixels[at + 3] == 0) {
                char& maskByte = mask[(side - 1 - row) * maskRowBytes + column / 8];
                maskByte = static_cast<char>(maskByte | (0x80 >> (column % 8)));
            }
        }
    }
    return bytes + mask;
}

} // namespace

std::string encodeIcoFile(const std::vector<IcoImage>& images)
{
    for (const IcoImage& image : images) {
        const auto side = static_cast<std::size_t>(image.size);
        if (image.size < 1 || image.size > 255 || image.pixels.size() != side * side * 4)
            return {};
    }
    std::string directory;
    appendLittleEndian(directory, 0, 2);
    appendLittleEndian(directory, 1, 2); // an icon, not a cursor
    appendLittleEndian(directory, static_cast<std::uint32_t>(images.size()), 2);
    std::string encoded;
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IcoImage& image : images) {
        const std::string bytes = encodeImage(image);
        directory += static_cast<char>(image.size);
        directory += static_cast<char>(image.size);
        appendLittleEndian(directory, 0, 2); // no palette, reserved
        appendLittleEndian(directory, 1, 2);
        appendLittleEndian(directory, 32, 2);
        appendLittleEndian(directory, static_cast<std::uint32_t>(bytes.size()), 4);
        appendLittleEndian(directory, offset, 4);
        offset += static_cast<std::uint32_t>(bytes.size());
        encoded += bytes;
    }
    return directory + encoded;
}

bool writeIcoFile(const char* path, const std::vector<IcoImage>& images)
{
    const std::string encoded = encodeIcoFile(images);
    if (encoded.empty())
        return false;
    std::ofstream file(path, std::ios::binary);
    file << encoded;
    file.close();
    return !file.fail();
}
