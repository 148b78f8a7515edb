// Records that cannot be written are lost silently and the dialogue goes on: a log that is
// a directory, a full disk, and a directory the learner may not write to.
#include "drill/drill_run.h"
#include "drill/log_append.h"
#include "tests/scripted_console.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const typed = "Anna\n1 1\n7\n12345\n";

// The whole console output of one short session with a reported series.
std::string runSession()
{
    ScriptedConsole scripted(typed, {3, 4, 0, 0});
    DrillState state;
    runDrill(state, scripted.console);
    return scripted.output.str();
}

std::string sessionWithWorkingLog()
{
    TempDirectory directory;
    return runSession();
}

// Runs check in a child process that may not write where root could.
void runAsUnprivileged(const std::function<bool()>& check)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace

TEST(LogWriteFailure, LosesTheRecordSilentlyAndTheDialogueGoesOn)
{
    const std::string expected = sessionWithWorkingLog();
    ASSERT_NE(expected.find("Name: Anna    Note: 1"), std::string::npos);

    TempDirectory directory;
    {
        std::filesystem::create_directory("tovu");
        EXPECT_FALSE(appendToFile("tovu", "Startzeit:..............x\n"));
        EXPECT_EQ(runSession(), expected) << "log is a directory";
        EXPECT_TRUE(std::filesystem::is_empty("tovu"));
        std::filesystem::remove("tovu");
    }
    if (std::filesystem::exists("/dev/full")) {
        std::filesystem::create_symlink("/dev/full", "tovu");
        EXPECT_FALSE(appendToFile("tovu", "Startzeit:..............x\n"));
        EXPECT_EQ(runSession(), expected) << "disk full";
        std::filesystem::remove("tovu");
    }
    {
        std::filesystem::create_directory("locked");
        chmod("locked", 0555);
        const std::string lockedPath = (directory.path() / "locked").string();
        runAsUnprivileged([&] {
            if (chdir(lockedPath.c_str()) != 0)
                return false;
            const bool refused = !appendToFile("tovu", "Startzeit:..............x\n");
            const bool sameDialogue = runSession() == expected;
            return refused && sameDialogue && access("tovu", F_OK) != 0;
        });
    }
}

TEST(LogAppend, WritesEachRecordWholeWhenDrillsAppendAtOnce)
{
    TempDirectory directory;
    const int writers = 4;
    const int recordsEach = 500;
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string record(2000, static_cast<char>('a' + w));
            for (int r = 0; r < recordsEach; ++r)
                appendToFile("tovu", record + "\n" + record + "\n");
            _exit(0);
        }
        children.push_back(child);
    }
    for (pid_t child : children)
        waitpid(child, nullptr, 0);

    const std::string log = directory.read("tovu");
    ASSERT_EQ(log.size(), std::size_t{writers} * recordsEach * 2 * 2001);
    // Each record is two identical lines; any interleaving would split a pair.
    for (std::size_t at = 0; at < log.size(); at += 2 * 2001) {
        const char letter = log[at];
        ASSERT_EQ(log.find_first_not_of(letter, at), at + 2000) << "at " << at;
        ASSERT_EQ(log.compare(at, 2001, log, at + 2001, 2001), 0) << "at " << at;
    }
}

// A drill stopped in the middle of its append keeps the lock: another loses its own record
// after a moment, and the log stays as it was; once the lock is free, appends go on.
TEST(LogAppend, LosesItsOwnRecordWhileAnotherDrillHoldsTheLock)
{
    TempDirectory directory;
    directory.write("tovu", "earlier\n");
    const int holder = open("tovu", O_RDWR);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX), 0);
    EXPECT_FALSE(appendToFile("tovu", "record\n"));
    EXPECT_EQ(directory.read("tovu"), "earlier\n");
    close(holder);
    EXPECT_TRUE(appendToFile("tovu", "record\n"));
    EXPECT_EQ(directory.read("tovu"), "earlier\nrecord\n");
}
