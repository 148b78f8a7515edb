// The POSIX appender goes on after a short write: linked so that every write takes 7 bytes at
// most, as a system may cut any write short.
#include "log_append.h"
#include "temp_directory.h"

#include <gtest/gtest.h>

#include <sys/types.h>

extern "C" ssize_t __real_write(int fd, const void* bytes, size_t count);

extern "C" ssize_t __wrap_write(int fd, const void* bytes, size_t count)
{
    return __real_write(fd, bytes, count < 7 ? count : 7);
}

TEST(LogAppend, GoesOnAfterAShortWriteUntilTheRecordIsWhole)
{
    TempDirectory directory;
    const std::string record = "Name:..................Anna\nArt:.......................1\n";
    EXPECT_TRUE(appendToFile("tovu", record));
    EXPECT_EQ(directory.read("tovu"), record);
}
