// A window for the viewer's tests: it keeps the rows, answers scripted events and writes
// down every call in order.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct FakeViewerWindow {
    bool refuseCreation = false;
    // waitForEvent answers the close request on this call, counted from 1.
    int closeOnWait = 1;
    // handlePendingEvents answers the close request on this call, counted from 1; 0: never.
    int closeOnLook = 0;
    // appendRow answers false (no memory) for this row, counted from 1; 0: none. Later rows
    // would be taken again, so a fill that went on would show them.
    int refuseRow = 0;
    // appendRow throws std::bad_alloc for this row, as the library would; 0: none.
    int throwAtRow = 0;
    // Runs inside destroyViewerWindow, to look at the world at that moment.
    std::function<void()> onDestroy;

    std::vector<std::string> rows;
    std::vector<std::string> calls; // "create", "beginFill", "row", "endFill", "wait", "close",
                                    // "destroy"
    int looks = 0;                  // calls of handlePendingEvents
    int misuses = 0;                // a call the seam does not allow at that point
};

// The one fake; reset it with `fakeViewerWindow() = {};`.
FakeViewerWindow& fakeViewerWindow();
