// A learner's name as the report shows it, from the bytes a log holds, and the names' order.
#pragma once

#include <string>
#include <string_view>

// UTF-8 as logged on Linux; anything that is not valid UTF-8 is code page 850, as drill.exe
// logs what a German console hands it. Control characters become U+FFFD, so that no
// terminal acts on a name.
std::string decodeLearnerName(std::string_view logged);

// The key that puts names in the order a German reader expects, the same on every platform,
// worked out once for a name that is compared often: case ignored, the letters of Latin
// scripts with their base letter ("É" with "E", "Ş" with "S", "Ł" with "L"), "ß" as "ss",
// combining marks passed over. UTF-8 keeps the order of the code points; names whose keys tie
// are ordered by their bytes.
std::string nameSortKey(std::string_view name);
