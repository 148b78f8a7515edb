// A command line made of arguments, so that the program started takes them apart into the
// same arguments again by the rules of CommandLineToArgvW and the C runtime.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One argument as the command line holds it: as it is when it needs no quotes, else quoted,
// with each quote and the backslashes before a quote escaped.
std::wstring quotedArgument(std::wstring_view argument);

// The program's path and the arguments, each quoted as it needs, between blanks.
std::wstring commandLine(std::wstring_view program, const std::vector<std::wstring>& arguments);

// The text with control characters shown as U+FFFD, as drillreport shows them (shownCharacter),
// for a message that shows what was given.
std::wstring withControlsReplaced(std::wstring_view text);
