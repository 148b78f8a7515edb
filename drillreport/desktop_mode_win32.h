// drillreport.exe started from Explorer, a shortcut or a drop onto either: the page, shown.
#pragma once

#include <string>
#include <vector>

// True when the program has its console to itself, as when started from the desktop or a
// shortcut; false when started from a command prompt, a script or without a console.
bool startedAlone();

// Writes the page of the logs the arguments name (of the log here without any), opens it in
// the browser and says in one line where it is; what went wrong stays on the screen until a
// key is pressed. A command line that asks for no page is run as at a prompt, and waits for
// the key too. Answers the exit code.
int showPage(const std::vector<std::string>& arguments);
