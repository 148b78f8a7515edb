// What the report needs of its platform: its outputs, the page written whole, and the
// arguments' encoding. Implemented once per platform.
#pragma once

#include <string>
#include <string_view>

// UTF-8 to standard output or standard error; a console gets the characters, a file or a
// pipe the bytes. False when not everything could be written.
bool writeStandardOutput(std::string_view utf8);
bool writeStandardError(std::string_view utf8);

// Writes the file whole or not at all: a new file beside it, then renamed over it.
bool replaceFile(const std::string& path, std::string_view bytes);

// A command-line argument, as the platform hands it over, in UTF-8.
std::string argumentAsUtf8(const std::string& argument);
