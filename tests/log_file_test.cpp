// The platform's file layer on real files: reads, the step back, missing files, and drill's
// appends succeeding while a reader holds the log open.
#include "drill/log_append.h"
#include "drillview/log_file.h"
#include "drillview/log_line_reader.h"
#include "tests/next_line.h"
#include "tests/stored_log.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string readSome(LogFileHandle file, std::int32_t capacity)
{
    std::string bytes(static_cast<std::size_t>(capacity), '?');
    bytes.resize(static_cast<std::size_t>(readLogFile(file, bytes.data(), capacity)));
    return bytes;
}

} // namespace

TEST(LogFile, ReadsStepsBackAndReportsTheEndAsZero)
{
    TempDirectory directory;
    directory.write("log", "hello world");
    const LogFileHandle file = openLogFile("log");
    ASSERT_NE(file, noLogFile);
    EXPECT_EQ(readSome(file, 5), "hello");
    stepBackLogFile(file);
    EXPECT_EQ(readSome(file, 3), "o w");
    EXPECT_EQ(readSome(file, 4096), "orld");
    EXPECT_EQ(readSome(file, 4096), "");
    stepBackLogFile(file);
    EXPECT_EQ(readSome(file, 4096), "d");
    closeLogFile(file);
}

TEST(LogFile, NeverOpensWhatIsNotThereAndNeverCreatesIt)
{
    TempDirectory directory;
    EXPECT_EQ(openLogFile("tovu"), noLogFile);
    EXPECT_FALSE(std::filesystem::exists(directory.path() / "tovu"));
    std::filesystem::create_directory("tovu");
    EXPECT_EQ(openLogFile("tovu"), noLogFile) << "a directory";
}

TEST(LogFile, ReaderSplitsARealFileAcrossItsBlocks)
{
    TempDirectory directory;
    const std::string first(LogLineReader::bufferSize - 1, 'a');
    const std::string second(5000, 'b');
    directory.write("log", first + "\r\n" + second + "\r" + "\xe4\xf6\xfc\n");
    LogLineReader reader;
    ASSERT_TRUE(reader.open("log"));
    std::vector<std::string> lines;
    while (!reader.atEnd())
        lines.push_back(nextLine(reader));
    EXPECT_EQ(lines, (std::vector<std::string>{first, second, "\xe4\xf6\xfc"}));
}

// A viewer keeps the log open for its whole run; drill must still get every record in.
TEST(LogFile, AppendsSucceedWhileAReaderHoldsTheFileOpen)
{
    TempDirectory directory;
    directory.write("tovu", "old record\n");
    LogLineReader reader;
    ASSERT_TRUE(reader.open("tovu"));
    EXPECT_EQ(nextLine(reader), "old record");

    EXPECT_TRUE(appendToFile("tovu", "new record\n"));
    EXPECT_TRUE(appendToFile("tovu", "another record\n"));
    EXPECT_EQ(directory.read("tovu"),
              "old record\n" + asStoredInLog("new record\nanother record\n"));
    reader.close();
}
