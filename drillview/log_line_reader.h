// Reading a file line by line: LF, CR, CR LF and NUL end a line, every other byte passes as is.
#pragma once

#include "drillview/log_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Reads one file from its beginning to its end through a 4096-byte buffer with one byte of
// push-back. Works without the buffer, a byte per read, when the buffer cannot be obtained.
// Call open, then atEnd before every line, then close.
struct LogLineReader {
    static constexpr std::int32_t bufferSize = 4096;

    LogFileHandle handle = noLogFile;
    char* buffer = nullptr; // owned; null while closed or when it could not be obtained
    std::int32_t capacity = bufferSize;
    std::int32_t fill = 0;      // bytes the latest refill delivered
    std::int32_t remaining = 0; // of those, the ones not taken yet

    LogLineReader() = default;
    LogLineReader(const LogLineReader&) = delete;
    LogLineReader& operator=(const LogLineReader&) = delete;
    ~LogLineReader() { close(); }

    // Opens an existing file for reading, closing the one open before. False when it cannot.
    bool open(const char* path);
    // True when no further byte can be obtained; consumes nothing.
    bool atEnd();
    // Appends at most `most` further bytes of the current line to `line`, without its
    // terminator. True when the line is complete (its terminator taken, or the data at its
    // end, or the reader not open), false when more of it is left for the next call. Lets a
    // caller do other work while a very long line comes in.
    bool readLinePart(std::string& line, std::size_t most);
    // Gives the buffer back and closes the file; does nothing when not open.
    void close();
};
