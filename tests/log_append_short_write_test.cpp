// The POSIX appender goes on after a short write and cuts a torn record off: linked so that
// every write takes 7 bytes at most, as a system may cut any write short, and fails as on a
// full disk once the bytes left are spent.
#include "drill/log_append.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <sys/types.h>

namespace {

std::size_t bytesLeft = static_cast<std::size_t>(-1); // room left on the "disk"

} // namespace

extern "C" ssize_t __real_write(int fd, const void* bytes, size_t count);

extern "C" ssize_t __wrap_write(int fd, const void* bytes, size_t count)
{
    if (bytesLeft == 0) {
        errno = ENOSPC;
        return -1;
    }
    const ssize_t written = __real_write(fd, bytes, std::min({count, std::size_t{7}, bytesLeft}));
    if (written > 0)
        bytesLeft -= static_cast<std::size_t>(written);
    return written;
}

TEST(LogAppend, GoesOnAfterAShortWriteUntilTheRecordIsWhole)
{
    TempDirectory directory;
    const std::string record = "Name:..................Anna\nArt:.......................1\n";
    EXPECT_TRUE(appendToFile("tovu", record));
    EXPECT_EQ(directory.read("tovu"), record);
}

// What is there stays as it was, and the next record starts on a line of its own.
TEST(LogAppend, CutsOffARecordThatCannotBeWrittenWhole)
{
    const std::string earlier = "Startzeit:..............Mon Jan 01 10:00:00 2024\n";
    const std::string record = "Name:..................Anna\nArt:.......................1\n";
    struct Case {
        std::size_t room;
        bool appended;
    };
    const Case cases[] = {
        {record.size(), true}, {record.size() - 1, false}, {8, false}, {7, false}, {0, false},
    };
    for (const Case& c : cases) {
        TempDirectory directory;
        directory.write("tovu", earlier);
        bytesLeft = c.room;
        EXPECT_EQ(appendToFile("tovu", record), c.appended) << c.room;
        bytesLeft = static_cast<std::size_t>(-1);
        EXPECT_EQ(directory.read("tovu"), c.appended ? earlier + record : earlier) << c.room;
    }
}
