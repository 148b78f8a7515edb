// Code page 850, the Western European code page of the Win32 console, as Unicode.
#pragma once

// The character of one byte; bytes below 128 are ASCII.
char32_t codePage850(unsigned char byte);
