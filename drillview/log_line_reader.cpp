// The line reader: byte taking with one push-back, the line rules, and a scan that moves whole
// runs of ordinary bytes out of the buffer at once.
#include "log_line_reader.h"

#include <cstring>
#include <new>

namespace {

constexpr int nothingTaken = -1;

bool isTerminator(unsigned char byte) { return byte == '\0' || byte == '\n' || byte == '\r'; }

// The first NUL, CR or LF in [from, to), or to. Eight bytes at a time: a word without any
// byte below 14 cannot hold a terminator, so most of a line is passed over by whole words.
const char* findTerminator(const char* from, const char* to)
{
    constexpr std::uint64_t ones = 0x0101010101010101u;
    constexpr std::uint64_t highBits = 0x8080808080808080u;
    for (;;) {
        while (to - from >= 8) {
            std::uint64_t word;
            std::memcpy(&word, from, sizeof word);
            if (((word - ones * 14) & ~word & highBits) != 0)
                break;
            from += 8;
        }
        // A word that held a byte below 14 (or the tail): look at each byte; a tab or other
        // control byte sends the scan back to whole words.
        const char* wordEnd = to - from > 8 ? from + 8 : to;
        for (; from < wordEnd; ++from) {
            if (isTerminator(static_cast<unsigned char>(*from)))
                return from;
        }
        if (from == to)
            return to;
    }
}

// Refills the buffer when it is used up. A failed read counts as zero bytes delivered, and
// so does an answer outside 0..capacity.
void refill(LogLineReader& reader)
{
    std::int32_t delivered = readLogFile(reader.handle, reader.buffer, reader.capacity);
    if (delivered < 0 || delivered > reader.capacity)
        delivered = 0;
    reader.fill = delivered;
    reader.remaining = delivered;
}

// The next byte (0..255), or nothingTaken at the end of the data or when a read fails.
int takeByte(LogLineReader& reader)
{
    if (reader.buffer == nullptr) {
        char byte = 0;
        if (readLogFile(reader.handle, &byte, 1) != 1)
            return nothingTaken;
        return static_cast<unsigned char>(byte);
    }
    if (reader.remaining == 0) {
        refill(reader);
        if (reader.remaining == 0)
            return nothingTaken;
    }
    const char byte = reader.buffer[reader.fill - reader.remaining];
    --reader.remaining;
    return static_cast<unsigned char>(byte);
}

// Gives back the byte the latest takeByte delivered.
void pushBack(LogLineReader& reader)
{
    if (reader.buffer == nullptr)
        stepBackLogFile(reader.handle);
    else
        ++reader.remaining;
}

// Moves the ordinary bytes still in the buffer, up to the next terminator, to the line.
void takeOrdinaryBytes(LogLineReader& reader, std::string& line)
{
    if (reader.remaining == 0)
        return;
    const char* from = reader.buffer + (reader.fill - reader.remaining);
    const char* stop = findTerminator(from, reader.buffer + reader.fill);
    line.append(from, stop);
    reader.remaining -= static_cast<std::int32_t>(stop - from);
}

} // namespace

bool LogLineReader::open(const char* path)
{
    close();
    const LogFileHandle file = openLogFile(path);
    if (file == noLogFile)
        return false;
    handle = file;
    // Without the buffer the reader still works, a byte per read.
    buffer = new (std::nothrow) char[bufferSize];
    capacity = bufferSize;
    fill = 0;
    remaining = 0;
    return true;
}

bool LogLineReader::atEnd()
{
    if (handle == noLogFile)
        return true;
    if (takeByte(*this) == nothingTaken)
        return true;
    pushBack(*this);
    return false;
}

std::string LogLineReader::readLine()
{
    std::string line;
    if (handle == noLogFile)
        return line;
    for (;;) {
        takeOrdinaryBytes(*this, line);
        const int byte = takeByte(*this);
        if (byte == nothingTaken || byte == '\0' || byte == '\n')
            return line;
        if (byte == '\r') {
            // CR LF is one terminator; any other byte after a CR begins the next line.
            const int next = takeByte(*this);
            if (next != nothingTaken && next != '\n')
                pushBack(*this);
            return line;
        }
        line.push_back(static_cast<char>(byte));
    }
}

void LogLineReader::close()
{
    if (handle == noLogFile)
        return;
    delete[] buffer;
    buffer = nullptr;
    fill = 0;
    remaining = 0;
    closeLogFile(handle);
    handle = noLogFile;
}
