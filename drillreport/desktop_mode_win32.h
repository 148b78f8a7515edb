// drillreport.exe started from Explorer or a shortcut: the page of the log here, shown.
#pragma once

// True when the program has its console to itself, as when started from the desktop or a
// shortcut; false when started from a command prompt, a script or without a console.
bool startedAlone();

// Writes the page of the log in the working folder beside it and opens it in the browser;
// what went wrong stays on the screen until a key is pressed. Answers the exit code.
int showPageHere();
