// The POSIX appender under a system that cuts writes short, interrupts them, runs out of room,
// and lets another drill append at the worst moment: linked so that every write takes 7 bytes
// at most, as a system may cut any write short, and fails as on a full disk once the bytes left
// are spent; fdatasync and ftruncate are watched too.
#include "drill/drill_log.h"
#include "drill/log_append.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <functional>
#include <string_view>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace {

std::size_t bytesLeft = static_cast<std::size_t>(-1); // room left on the "disk"
bool interruptNextWrite = false;
std::function<void()> onFullDisk; // run once, at the first write that finds no room
std::function<void()> onCut;      // run once, just before the cut-back
std::vector<const char*> calls;   // "write" and "sync", in order

// Runs a hook once, with room on the disk again: another drill whose append comes then.
void runOnce(std::function<void()>& hook)
{
    std::function<void()> now = std::move(hook);
    hook = nullptr;
    if (now) {
        const std::size_t left = bytesLeft;
        bytesLeft = static_cast<std::size_t>(-1);
        now();
        bytesLeft = left;
    }
}

} // namespace

extern "C" ssize_t __real_write(int fd, const void* bytes, size_t count);
extern "C" int __real_fdatasync(int fd);
extern "C" int __real_ftruncate(int fd, off_t length);

extern "C" ssize_t __wrap_write(int fd, const void* bytes, size_t count)
{
    calls.push_back("write");
    if (std::exchange(interruptNextWrite, false)) {
        errno = EINTR;
        return -1;
    }
    if (bytesLeft == 0) {
        runOnce(onFullDisk);
        errno = ENOSPC;
        return -1;
    }
    const ssize_t written = __real_write(fd, bytes, std::min({count, std::size_t{7}, bytesLeft}));
    if (written > 0)
        bytesLeft -= static_cast<std::size_t>(written);
    return written;
}

extern "C" int __wrap_fdatasync(int fd)
{
    calls.push_back("sync");
    return __real_fdatasync(fd);
}

extern "C" int __wrap_ftruncate(int fd, off_t length)
{
    runOnce(onCut);
    return __real_ftruncate(fd, length);
}

namespace {

const std::string earlier = "Startzeit:..............Mon Jan 01 10:00:00 2024\n";
const std::string record = "Name:..................Anna\nArt:.......................1\n";

} // namespace

TEST(LogAppend, GoesOnAfterAShortOrInterruptedWriteUntilTheRecordIsWhole)
{
    for (const bool interrupted : {false, true}) {
        TempDirectory directory;
        interruptNextWrite = interrupted;
        EXPECT_TRUE(appendToFile("tovu", record)) << interrupted;
        EXPECT_EQ(directory.read("tovu"), record) << interrupted;
    }
}

// What is there stays as it was, and the next record starts on a line of its own.
TEST(LogAppend, CutsOffARecordThatCannotBeWrittenWhole)
{
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

// Room comes back while a torn record waits for its cut: another drill's append then is
// neither cut off with it nor joined to it. It may be lost, but not when it says it is there.
TEST(LogAppend, AnotherDrillsAppendBeforeTheCutIsNeitherCutNorJoined)
{
    const std::string other = "Startzeit:..............Mon Jan 01 10:05:00 2024\n";
    for (std::function<void()>* moment : {&onFullDisk, &onCut}) {
        TempDirectory directory;
        directory.write("tovu", earlier);
        bool otherAppended = false;
        *moment = [&] { otherAppended = appendToFile("tovu", other); };
        bytesLeft = 10;
        EXPECT_FALSE(appendToFile("tovu", record));
        bytesLeft = static_cast<std::size_t>(-1);
        EXPECT_EQ(directory.read("tovu"), otherAppended ? earlier + other : earlier)
            << (moment == &onCut ? "at the cut" : "at the failed write");
        onFullDisk = onCut = nullptr;
    }
}

// The series, the learner's work, is on the disk before the pause; the others need not be.
TEST(LogAppend, SyncsASeriesRecordToTheDiskAfterItsWrites)
{
    TempDirectory directory;
    calls.clear();
    appendStartRecord("Mon Jan 01 10:00:00 2024\n");
    appendNameEntryRecord("Mon Jan 01 10:00:05 2024\n");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), std::string_view("sync")), 0);
    appendSeriesRecord("Jo", 3, 100, 2, 20, 1, "Mon Jan 01 10:09:00 2024\n");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), std::string_view("sync")), 1);
    EXPECT_STREQ(calls.back(), "sync") << "not after the record's writes";
}
