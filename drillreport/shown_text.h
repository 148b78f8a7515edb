// Text from outside the program as the report shows it: a learner's name, a file's name. No
// control character of it reaches a terminal or a page.
#pragma once

#include <string>
#include <string_view>

// Appends the code point in UTF-8, a control character (C0, DEL, C1) as U+FFFD.
void appendShown(std::string& text, char32_t codePoint);

// A file's, folder's or pattern's name, or any other argument, as a message repeats it: its
// UTF-8 characters, with U+FFFD for each control character and for each byte that is no UTF-8.
// Every message that names something the user gave goes through here.
std::string shownFileName(std::string_view name);
