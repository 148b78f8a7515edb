// Text made safe to stand in HTML and SVG, in content and in quoted attributes.
#pragma once

#include <string>
#include <string_view>

void appendEscaped(std::string& markup, std::string_view text);
