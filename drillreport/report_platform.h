// What the report needs of its platform: its outputs, the page written whole, files told
// apart, and the arguments' encoding. Implemented once per platform.
#pragma once

#include <string>
#include <string_view>

// UTF-8 to standard output or standard error; a console gets the characters, a file or a
// pipe the bytes. False when not everything could be written.
bool writeStandardOutput(std::string_view utf8);
bool writeStandardError(std::string_view utf8);

enum class ReplaceOutcome { replaced, notAFile, failed };

// Writes the file whole or not at all: a new file beside it, with the old one's permissions,
// then renamed over it. Only a regular file or a missing name is replaced, and a link to a
// regular file is written through to that file; anything else is left as it is (notAFile).
ReplaceOutcome replaceFile(const std::string& path, std::string_view bytes);

// True when both names lead to one existing file, however each is spelt or linked.
bool isSameFile(const std::string& first, const std::string& second);

// A command-line argument, as the platform hands it over, in UTF-8.
std::string argumentAsUtf8(const std::string& argument);
