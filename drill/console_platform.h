// Console services that differ per platform.
#pragma once

#include <istream>
#include <ostream>

// Prepares the process's console and answers the stream the dialogue reads from.
std::istream& openConsoleInput();

// Prepares the process's console and answers the stream the dialogue writes to.
std::ostream& openConsoleOutput();

// Shows a prompt and waits for one key press on the console itself.
void pauseForKey(std::ostream& out);
