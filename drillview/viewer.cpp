// The viewer's run, written against the window seam only, so it runs under any list and
// event source.
#include "drillview/viewer.h"

#include "drillview/log_line_reader.h"
#include "drillview/viewer_window.h"
#include "logtext/drill_log_format.h"

#include <chrono>
#include <new>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// The window's events are looked at this often during the fill, well within the 50 ms a
// window may go unanswered.
constexpr auto eventInterval = std::chrono::milliseconds(20);
// The clock is read once per this many bytes of the log, a row counting as at least
// rowWeight: reading it for every short row would cost as much as the row. A long line is
// read in pieces of the same size, so it cannot hold the events up either.
constexpr std::size_t bytesPerLook = std::size_t{64} * 1024;
constexpr std::size_t rowWeight = 1024;

// The fill proper; its line, which may be most of the memory there is, is gone when it returns.
bool fillRows(LogLineReader& reader, RowBound bound)
{
    // The first look comes with the first row, so the window is drawn before the rest is read.
    Clock::time_point nextLook = Clock::now();
    std::size_t sinceLook = bytesPerLook;
    std::string line; // one string for every line: no allocation per row
    bool lineComplete = true;
    try {
        for (;;) {
            if (lineComplete) {
                if (reader.atEnd())
                    return false;
                line.clear();
            }
            const std::size_t before = line.size();
            lineComplete = reader.readLinePart(line, bytesPerLook);
            if (line.size() > bound.bytes)
                return false; // the bound reached: the rows so far are all there will be
            if (lineComplete) {
                if (!appendRow(line))
                    return false; // no memory for more rows: the list keeps those it has
                bound.bytes -= line.size();
                if (--bound.rows == 0)
                    return false;
            }
            sinceLook += line.size() - before + rowWeight;
            if (sinceLook < bytesPerLook)
                continue;
            sinceLook = 0;
            const Clock::time_point now = Clock::now();
            if (now < nextLook)
                continue;
            nextLook = now + eventInterval;
            if (handlePendingEvents())
                return true;
        }
    } catch (const std::bad_alloc&) {
        // A row, or a line being read, beyond the memory left: the rows before it stay.
        return false;
    }
}

} // namespace

bool fillList(LogLineReader& reader, RowBound bound)
{
    beginFill();
    const bool closed = bound.rows > 0 && fillRows(reader, bound);
    endFill();
    return closed;
}

void runViewer()
{
    LogLineReader reader;
    if (createViewerWindow()) {
        // A log that cannot be opened leaves the reader at its end: the list stays empty.
        reader.open(logFormat::fileName);
        if (!fillList(reader)) {
            while (!waitForEvent()) {
            }
        }
        destroyViewerWindow();
    }
    reader.close();
}
