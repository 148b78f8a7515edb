// The viewer's run: the list filled once from the drill log, then a wait for the close request.
#pragma once

struct LogLineReader;

// Appends every line the reader still has as one row, in file order, handling the window's
// events as it goes. Stops early at a close request, answering true, or when memory for more
// rows runs out, keeping the rows it has.
bool fillList(LogLineReader& reader);

// The whole program: window, fill, event loop until the close request, clean-up.
void runViewer();
