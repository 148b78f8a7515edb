// The window the viewer needs, implemented once per window system: a fixed-size window
// with one list, rows appended at its end, and a blocking wait for the close request.
#pragma once

#include <string_view>

// Creates and shows the window and its list. False when the window cannot be created;
// nothing is shown then.
bool createViewerWindow();

// Appends a row at the end of the list, byte for byte; dropped when there is no list.
void appendRow(std::string_view row);

// Called around the fill, so the list is drawn once and not after every row.
void beginFill();
void endFill();

// Waits for the next window event and answers whether it is the close request.
bool waitForEvent();

// Destroys the window with its list and frees what createViewerWindow took.
void destroyViewerWindow();
