// The line reader over the in-memory file layer: every terminator, block boundaries, long
// lines, raw bytes, missing files, failing reads and the reader without its buffer.
#include "drillview/log_line_reader.h"
#include "tests/log_line_reader_fake_file.h"
#include "tests/log_line_reader_reference.h"
#include "tests/next_line.h"

#include <gtest/gtest.h>

#include <random>

using namespace std::string_literals;

namespace {

using Lines = std::vector<std::string>;

constexpr std::size_t wholeLines = std::string::npos;

struct ReadMode {
    const char* name;
    std::int32_t largestRead;
    bool refuseBuffer;
    std::size_t piece = wholeLines; // lines taken in parts of at most this many bytes
};

// The reader must give the same lines however the file layer hands out the bytes, and
// whether a line is taken whole or in parts.
const ReadMode readModes[] = {
    {"whole blocks", 1 << 30, false},
    {"reads of 7 bytes", 7, false},
    {"reads a byte short of the buffer", LogLineReader::bufferSize - 1, false},
    {"without a buffer", 1 << 30, true},
    {"lines in parts of 3 bytes", 1 << 30, false, 3},
    {"lines in parts a byte short of the buffer, without one", 1 << 30, true,
     LogLineReader::bufferSize - 1},
};

void resetFake(std::string_view bytes, const ReadMode& mode)
{
    fakeLogFiles() = {};
    fakeLogFiles().files["log"] = std::string(bytes);
    fakeLogFiles().largestRead = mode.largestRead;
    fakeLogFiles().refuseBuffer = mode.refuseBuffer;
}

// Reads lines the way the viewer does, asking atEnd before each one, whole or in parts.
Lines readLines(LogLineReader& reader, std::size_t piece = wholeLines)
{
    Lines lines;
    while (!reader.atEnd() && lines.size() < 100000) {
        std::string line;
        for (bool complete = false; !complete;) {
            const std::size_t before = line.size();
            complete = reader.readLinePart(line, piece);
            EXPECT_LE(line.size() - before, piece);
            if (!complete && line.size() - before != piece) {
                ADD_FAILURE() << "a part short of its size, yet the line goes on";
                break;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

// Every line of bytes in one mode; checks the end, the close, and how the file was used.
Lines readAllLines(std::string_view bytes, const ReadMode& mode)
{
    resetFake(bytes, mode);
    Lines lines;
    {
        LogLineReader reader;
        EXPECT_TRUE(reader.open("log"));
        EXPECT_EQ(reader.buffer == nullptr, mode.refuseBuffer);
        lines = readLines(reader, mode.piece);
        // Past the end it stays at the end and answers empty lines.
        EXPECT_TRUE(reader.atEnd());
        EXPECT_EQ(nextLine(reader), "");
        EXPECT_TRUE(reader.atEnd());
        reader.close();
        reader.close();
    }
    const FakeLogFiles& fake = fakeLogFiles();
    EXPECT_EQ(fake.openFiles, 0);
    EXPECT_EQ(fake.misuses, 0);
    for (const std::int32_t size : fake.readSizes)
        EXPECT_EQ(size, mode.refuseBuffer ? 1 : LogLineReader::bufferSize);
    return lines;
}

std::string allOrdinaryBytes()
{
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\n' && byte != '\r')
            bytes += static_cast<char>(byte);
    }
    return bytes;
}

} // namespace

TEST(LogLineReader, SplitsAtEveryTerminator)
{
    const std::string block(LogLineReader::bufferSize - 1, 'a');
    const std::string longLine(10000, 'x');
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"P\nQ", {"P", "Q"}},
        {"P\r\nQ\r\n", {"P", "Q"}},
        {"P\rQ", {"P", "Q"}},
        {"P\n\rQ", {"P", "", "Q"}},
        {"PQ\0RS\n"s, {"PQ", "RS"}},
        {"P\r\0Q"s, {"P", "", "Q"}},
        {"P\r", {"P"}},
        {"P\r\r\n", {"P", ""}},
        {"\n\n", {"", ""}},
        {"\0"s, {""}},
        {"\r\n\r\n\n", {"", "", ""}},
        {block + "\r\nb", {block, "b"}}, // CR at the last place of the first block
        {block + "\rb", {block, "b"}},
        {block + "\n\nb", {block, "", "b"}},
        {block + "\r", {block}},
        {longLine, {longLine}},
        {longLine + "\r\n" + longLine, {longLine, longLine}},
        {allOrdinaryBytes() + "\n\xff\x80", {allOrdinaryBytes(), "\xff\x80"}},
        {"@b bold\tand\ttabs\r\n", {"@b bold\tand\ttabs"}},
    };
    for (const ReadMode& mode : readModes) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(mode.name) + ", file of " + std::to_string(c.bytes.size()) +
                         " bytes: " + c.bytes.substr(0, 12));
            EXPECT_EQ(readAllLines(c.bytes, mode), c.lines);
        }
    }
}

TEST(LogLineReader, AgreesWithTheReferenceOnRandomFiles)
{
    std::mt19937 random(20240101);
    const char alphabet[] = {'a', 'b', '\r', '\n', '\0', '\t', '\x80', '\xff'};
    const std::int32_t buffer = LogLineReader::bufferSize;
    const std::int32_t readSizes[] = {1, 2, 3, 7, buffer - 1, buffer, 1 << 30};
    const std::size_t pieces[] = {1, 2, buffer, wholeLines};
    for (int round = 0; round < 300; ++round) {
        std::string bytes(random() % 9000, ' ');
        for (char& byte : bytes)
            byte = alphabet[random() % sizeof alphabet];
        const ReadMode mode{"random", readSizes[random() % std::size(readSizes)], random() % 4 == 0,
                            pieces[random() % std::size(pieces)]};
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_EQ(readAllLines(bytes, mode), referenceLines(bytes));
    }
}

TEST(LogLineReader, ReadsTheFileOnceForEveryBufferFull)
{
    std::string bytes;
    while (bytes.size() < 10000)
        bytes += std::string(99, 'x') + "\n";
    resetFake(bytes, readModes[0]);
    LogLineReader reader;
    ASSERT_TRUE(reader.open("log"));
    EXPECT_TRUE(fakeLogFiles().readSizes.empty());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(fakeLogFiles().readSizes.size(), 1u) << "atEnd read again with bytes in hand";

    EXPECT_EQ(readLines(reader).size(), 100u);
    // Three blocks, then one attempt that finds the end.
    EXPECT_EQ(fakeLogFiles().readSizes, std::vector<std::int32_t>(4, LogLineReader::bufferSize));
}

TEST(LogLineReader, AMissingFileGivesNoLines)
{
    fakeLogFiles() = {};
    LogLineReader reader;
    EXPECT_FALSE(reader.open("missing"));
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(nextLine(reader), "");
    reader.close();
    EXPECT_TRUE(fakeLogFiles().readSizes.empty());
    EXPECT_EQ(fakeLogFiles().misuses, 0);
}

TEST(LogLineReader, OpeningAgainClosesTheFileFirst)
{
    fakeLogFiles() = {};
    fakeLogFiles().files["first"] = "one\ntwo\n";
    fakeLogFiles().files["second"] = "three\nfour";
    LogLineReader reader;
    ASSERT_TRUE(reader.open("first"));
    EXPECT_EQ(nextLine(reader), "one");

    ASSERT_TRUE(reader.open("second"));
    EXPECT_EQ(fakeLogFiles().openFiles, 1);
    EXPECT_EQ(readLines(reader), (Lines{"three", "four"}));

    EXPECT_FALSE(reader.open("missing"));
    EXPECT_EQ(fakeLogFiles().openFiles, 0);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(fakeLogFiles().misuses, 0);
}

TEST(LogLineReader, AReadThatFailsEndsTheDataWhileReadsKeepFailing)
{
    struct Case {
        const char* bytes;
        std::int32_t largestRead;
        bool refuseBuffer;
        int failingFromRead, failingReads;
        Lines linesBeforeFailure; // up to the first atEnd that answers true
        Lines linesAfterwards;    // once reads work again
    };
    const Case cases[] = {
        {"first line\nsecond line\nthird", 15, false, 2, -1, {"first line", "seco"}, {}},
        {"first line\nsecond line\nthird",
         15,
         false,
         2,
         2,
         {"first line", "seco"},
         {"nd line", "third"}},
        {"first line\nsecond", 1 << 30, false, 1, -1, {}, {}},
        {"P\r\nQ", 2, false, 2, 2, {"P"}, {"", "Q"}}, // the LF after the CR comes too late
        {"ab\ncd", 1 << 30, true, 4, -1, {"ab"}, {}},
        {"ab\ncd", 1 << 30, true, 3, 2, {"a"}, {"b", "cd"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes + (" failing from read " + std::to_string(c.failingFromRead)));
        resetFake(c.bytes, {"", c.largestRead, c.refuseBuffer});
        fakeLogFiles().failingFromRead = c.failingFromRead;
        fakeLogFiles().failingReads = c.failingReads;
        LogLineReader reader;
        ASSERT_TRUE(reader.open("log"));
        EXPECT_EQ(readLines(reader), c.linesBeforeFailure);
        if (c.failingReads < 0) {
            EXPECT_TRUE(reader.atEnd());
            EXPECT_EQ(nextLine(reader), "");
        }
        EXPECT_EQ(readLines(reader), c.linesAfterwards);
        EXPECT_EQ(fakeLogFiles().misuses, 0);
    }
}
