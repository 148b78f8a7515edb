// The viewer's run, written against the window seam only, so it runs under any list and
// event source.
#include "viewer.h"

#include "drill_log_format.h"
#include "log_line_reader.h"
#include "viewer_window.h"

#include <string>

void fillList(LogLineReader& reader)
{
    beginFill();
    std::string line; // one string for every line: no allocation per row
    while (!reader.atEnd()) {
        reader.readLine(line);
        appendRow(line);
    }
    endFill();
}

void runViewer()
{
    LogLineReader reader;
    if (createViewerWindow()) {
        // A log that cannot be opened leaves the reader at its end: the list stays empty.
        reader.open(logFormat::fileName);
        fillList(reader);
        while (!waitForEvent()) {
        }
        destroyViewerWindow();
    }
    reader.close();
}
