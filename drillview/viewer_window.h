// The window the viewer needs, implemented once per window system: a fixed-size window
// with one list, rows appended at its end, and the window's events, waited for or taken as
// they come during the fill.
#pragma once

#include <string_view>

// Creates and shows the window and its list. False when the window cannot be created;
// nothing is shown then.
bool createViewerWindow();

// Appends a row at the end of the list, byte for byte. When there is no memory left to keep
// it, answers false or throws std::bad_alloc, as any allocation may. Without a list every row
// is dropped and the answer is true.
bool appendRow(std::string_view row);

// Called around the fill, so the list is drawn once and not after every row.
void beginFill();
void endFill();

// Handles the events that have come in, without waiting, and answers whether a close request
// was among them.
bool handlePendingEvents();

// Waits for the next window event and answers whether it is the close request.
bool waitForEvent();

// Destroys the window with its list and frees what createViewerWindow took.
void destroyViewerWindow();
