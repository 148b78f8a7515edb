// The line reader: byte taking with one push-back, the line rules, and a scan that moves whole
// runs of ordinary bytes out of the buffer at once.
#include "drillview/log_line_reader.h"

#include "logtext/drill_log_format.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <new>

namespace {

constexpr int nothingTaken = -1;

bool isTerminator(unsigned char byte)
{
    return logFormat::endsLine(static_cast<char>(byte));
}

constexpr std::uint64_t everyByte = 0x0101010101010101u;
constexpr std::uint64_t lowBits = 0x7f7f7f7f7f7f7f7fu;
constexpr std::uint64_t highBits = ~lowBits;

// The top bit of every byte of the word that is zero, and no other bit.
std::uint64_t zeroBytes(std::uint64_t word)
{
    return ~(((word & lowBits) + lowBits) | word | lowBits);
}

// The first NUL, CR or LF in [from, to), or to. Eight bytes at a time: a word with no byte
// below 14 holds no terminator, so most of a line is passed over by one test per word.
const char* findTerminator(const char* from, const char* to)
{
    for (; to - from >= 8; from += 8) {
        std::uint64_t word;
        std::memcpy(&word, from, sizeof word);
        if (((word - everyByte * 14) & ~word & highBits) == 0)
            continue;
        const std::uint64_t terminators = zeroBytes(word) | zeroBytes(word ^ (everyByte * '\n')) |
                                          zeroBytes(word ^ (everyByte * '\r'));
        if (terminators != 0) {
            const int bit = std::endian::native == std::endian::little
                                ? std::countr_zero(terminators)
                                : std::countl_zero(terminators);
            return from + bit / 8;
        }
    }
    for (; from < to; ++from) {
        if (isTerminator(static_cast<unsigned char>(*from)))
            return from;
    }
    return to;
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
    // A byte still in the buffer would be taken and pushed back: no change, no read.
    if (remaining > 0)
        return false;
    if (takeByte(*this) == nothingTaken)
        return true;
    pushBack(*this);
    return false;
}

bool LogLineReader::readLinePart(std::string& line, std::size_t most)
{
    if (handle == noLogFile)
        return true;
    for (std::size_t taken = 0; taken < most;) {
        int byte;
        if (remaining > 0) {
            // The run of ordinary bytes up to the next terminator moves in one piece; the
            // terminator is taken as takeByte would.
            const char* from = buffer + (fill - remaining);
            const char* end = from + std::min(static_cast<std::size_t>(remaining), most - taken);
            const char* stop = findTerminator(from, end);
            line.append(from, stop);
            taken += static_cast<std::size_t>(stop - from);
            remaining -= static_cast<std::int32_t>(stop - from);
            if (stop == end)
                continue;
            byte = static_cast<unsigned char>(*stop);
            --remaining;
        } else {
            byte = takeByte(*this);
            if (byte != nothingTaken && !isTerminator(static_cast<unsigned char>(byte))) {
                line.push_back(static_cast<char>(byte));
                ++taken;
                continue;
            }
        }
        if (byte == '\r') {
            // CR LF is one terminator; any other byte after a CR begins the next line.
            const int next = takeByte(*this);
            if (next != nothingTaken && next != '\n')
                pushBack(*this);
        }
        return true; // after a terminator, or at the end of the data
    }
    return false;
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
