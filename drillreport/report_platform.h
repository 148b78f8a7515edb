// What the report needs of its platform: its outputs, the page written whole, and files told
// apart. Paths and texts are UTF-8 throughout. Implemented once per platform.
#pragma once

#include "drillreport/piece_output.h"

#include <string>
#include <string_view>

// UTF-8 to standard output or standard error; a console gets the characters, a file or a
// pipe the bytes. False when not everything could be written.
bool writeStandardOutput(std::string_view utf8);
bool writeStandardError(std::string_view utf8);

enum class ReplaceOutcome { Replaced, NotAFile, Failed };

// Writes the file whole or not at all: what writeContent hands to its writer goes to a new
// file beside it, with the old one's permissions, then renamed over it; a false from
// writeContent leaves the old one. Only a regular file or a missing name is replaced, and a link
// to a regular file is written through to that file; anything else is left as it is (NotAFile).
ReplaceOutcome replaceFile(const std::string& path,
                           const std::function<bool(const ReportWriter&)>& writeContent);

// True when both names lead to one existing file, however each is spelt or linked.
bool isSameFile(const std::string& first, const std::string& second);
