// Whole-number and whole-line reads, including bad input and the end of input.
#include "drill/console_io.h"
#include "tests/scripted_console.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every read of a script in turn, as "N<number>", "bad" or "end", up to the first "end".
std::vector<std::string> readAll(const std::string& typed)
{
    ScriptedConsole scripted(typed);
    std::vector<std::string> reads;
    for (int guard = 0; guard < 20; ++guard) {
        std::int32_t number = -7;
        switch (readWholeNumber(scripted.console, number)) {
        case ReadResult::Number:
            reads.push_back("N" + std::to_string(number));
            break;
        case ReadResult::NotANumber:
            reads.push_back("bad");
            break;
        case ReadResult::EndOfInput:
            reads.push_back("end");
            return reads;
        }
    }
    return reads;
}

} // namespace

TEST(ReadWholeNumber, FollowsTheStreamExtractionRulesAndRecoversFromBadInput)
{
    struct Case {
        const char* typed;
        std::vector<std::string> reads;
    };
    const Case cases[] = {
        {"", {"end"}},
        {"  \n\t \n", {"end"}},
        {"7\n", {"N7", "end"}},
        {"7", {"N7", "end"}},
        {"2 5\n", {"N2", "N5", "end"}},
        {"  +42\n-0\n", {"N42", "N0", "end"}},
        {"-13\r\n", {"N-13", "end"}},
        {"007\n", {"N7", "end"}},
        {"12abc\n3\n", {"N12", "bad", "N3", "end"}},
        {"abc 4\n5\n", {"bad", "N5", "end"}},
        {"- 4\n5\n", {"bad", "N5", "end"}},
        {"+\n", {"bad", "end"}},
        {"2147483647 -2147483648\n", {"N2147483647", "N-2147483648", "end"}},
        {"2147483648 1\n2\n", {"bad", "N2", "end"}},
        {"-2147483649\n2\n", {"bad", "N2", "end"}},
        {"99999999999999999999999\n4\n", {"bad", "N4", "end"}},
        {"x", {"bad", "end"}},
        {"1.5\n", {"N1", "bad", "end"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readAll(c.typed), c.reads) << "typed: " << c.typed;
}

namespace {

// Counts the flushes that reach it, so a test can tell a prompt was made visible.
struct FlushCounter : std::stringbuf {
    int flushes = 0;
    int sync() override
    {
        ++flushes;
        return 0;
    }
};

} // namespace

TEST(ConsoleReads, FlushThePromptBeforeWaiting)
{
    for (bool wholeLine : {false, true}) {
        std::istringstream typed("1\n");
        FlushCounter counter;
        std::ostream out(&counter);
        DrillConsole console{typed, out, nullptr, nullptr, nullptr, nullptr};
        writeText(console, "Stufe: ");
        std::int32_t number = 0;
        std::string line;
        if (wholeLine)
            readWholeLine(console, line, 100);
        else
            readWholeNumber(console, number);
        EXPECT_GE(counter.flushes, 1) << (wholeLine ? "line" : "number");
    }
}

TEST(ReadWholeLine, KeepsTheLineUpToItsBoundAndDropsItsEnd)
{
    struct Case {
        const char* typed;
        std::string first;
        std::string second;
        std::size_t maxBytes = 100;
    };
    const Case cases[] = {
        {"Anna Lena\nrest\n", "Anna Lena", "rest"},
        {"\nrest\n", "", "rest"},
        {"Anna\r\nrest\r\n", "Anna", "rest"},
        {"  Anna  \n", "  Anna  ", ""},
        {"M\xc3\xbcller\n", "M\xc3\xbcller", ""},
        {"Anna", "Anna", ""},
        {"", "", ""},
        {"Anna Lena\nrest\n", "Anna", "rest", 4},
        {"Anna\r\nrest\n", "Anna", "rest", 4},
        {"Ann\r\r\nrest\n", "Ann\r", "rest", 4},
        {"Anna Lena", "Anna", "", 4},
    };
    for (const Case& c : cases) {
        ScriptedConsole scripted(c.typed);
        std::string first = "stale";
        std::string second = "stale";
        readWholeLine(scripted.console, first, c.maxBytes);
        readWholeLine(scripted.console, second, c.maxBytes);
        EXPECT_EQ(first, c.first) << "typed: " << c.typed;
        EXPECT_EQ(second, c.second) << "typed: " << c.typed;
    }
}
