// The baseline of drillreport's benchmark: the viewer's line reader alone, reading a log to its
// end. Usage: drillreport_read_lines LOG   (prints the lines and bytes it read)
#include "drillview/log_line_reader.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    LogLineReader reader;
    if (argc != 2 || !reader.open(argv[1]))
        return 1;
    std::string line;
    std::size_t lines = 0;
    std::size_t bytes = 0;
    while (!reader.atEnd()) {
        line.clear();
        reader.readLinePart(line, std::string::npos);
        ++lines;
        bytes += line.size();
    }
    std::printf("%zu lines, %zu bytes\n", lines, bytes);
    return 0;
}
