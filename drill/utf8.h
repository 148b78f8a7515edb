// UTF-8 sequences: where a character ends, for texts that may or may not be UTF-8.
#pragma once

#include <cstddef>

// The length of the well-formed UTF-8 sequence that starts at bytes[0]; 0 when the byte starts
// none. When the bytes end inside a sequence that may still turn out well-formed, the answer
// is the full length, larger than available.
std::size_t utf8SequenceLength(const unsigned char* bytes, std::size_t available);
