// The line rules written the plainest way, over all the bytes at once: what the reader must
// answer for any file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline std::vector<std::string> referenceLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::string line;
    bool lineStarted = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte == '\0' || byte == '\n' || byte == '\r') {
            lines.push_back(line);
            line.clear();
            lineStarted = false;
            if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line += byte;
            lineStarted = true;
        }
    }
    if (lineStarted)
        lines.push_back(line);
    return lines;
}
