// The console conventions shared by every step of the dialogue.
#include "drill/console_io.h"

#include <cstdint>
#include <istream>
#include <limits>

namespace {

bool isBlank(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

void discardRestOfLine(std::istream& in)
{
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
}

} // namespace

void writeText(DrillConsole& console, std::string_view text)
{
    console.out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void writeNumber(DrillConsole& console, std::int32_t number)
{
    console.out << number;
}

void writeEndOfLine(DrillConsole& console)
{
    console.out << '\n' << std::flush;
}

void writeLine(DrillConsole& console, std::string_view text)
{
    writeText(console, text);
    writeEndOfLine(console);
}

ReadResult readWholeNumber(DrillConsole& console, std::int32_t& number)
{
    console.out.flush();
    std::istream& in = console.in;
    using Traits = std::istream::traits_type;

    int c = in.peek();
    while (c != Traits::eof() && isBlank(c)) {
        in.get();
        c = in.peek();
    }
    if (c == Traits::eof())
        return ReadResult::EndOfInput;

    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        in.get();
        c = in.peek();
    }
    if (!isDigit(c)) {
        discardRestOfLine(in);
        return ReadResult::NotANumber;
    }

    // Accumulate as a negative value so that the lowest 32-bit number fits too.
    std::int64_t value = 0;
    bool outOfRange = false;
    while (isDigit(c)) {
        in.get();
        if (!outOfRange) {
            value = value * 10 - (c - '0');
            outOfRange = value < std::numeric_limits<std::int32_t>::min();
        }
        c = in.peek();
    }
    if (!negative) {
        value = -value;
        outOfRange = outOfRange || value > std::numeric_limits<std::int32_t>::max();
    }
    if (outOfRange) {
        discardRestOfLine(in);
        return ReadResult::NotANumber;
    }
    number = static_cast<std::int32_t>(value);
    return ReadResult::Number;
}

void readWholeLine(DrillConsole& console, std::string& line, std::size_t maxBytes)
{
    console.out.flush();
    line.clear();
    std::istream& in = console.in;
    using Traits = std::istream::traits_type;
    // One byte beyond the bound is kept for a moment: it may be the CR that ends the line.
    bool longer = false;
    for (int c = in.get(); c != Traits::eof() && c != '\n'; c = in.get()) {
        if (line.size() > maxBytes) {
            longer = true;
            discardRestOfLine(in);
            break;
        }
        line += Traits::to_char_type(c);
    }
    // A line typed on a Windows console or read from a Windows file ends in CR LF.
    if (!longer && !line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > maxBytes)
        line.resize(maxBytes);
}
