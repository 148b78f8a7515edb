// The viewer's run: the list filled once from the drill log, then a wait for the close request.
#pragma once

#include <cstddef>

struct LogLineReader;

// The most the list is given to hold. An endless log (a sparse file of a terabyte) would take
// all the memory there is, and with overcommit no allocation fails before the OOM killer
// ends programs.
struct RowBound {
    std::size_t rows = 10'000'000;
    std::size_t bytes = std::size_t{1} << 30; // of row text, the line being read included
};

// Appends every line the reader still has as one row, in file order, handling the window's
// events as it goes. Stops early at a close request, answering true, or when memory for more
// rows runs out or the bound is reached, keeping the rows it has.
bool fillList(LogLineReader& reader, RowBound bound = {});

// The whole program: window, fill, event loop until the close request, clean-up.
void runViewer();
