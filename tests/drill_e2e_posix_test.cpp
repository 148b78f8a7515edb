// The real drill binary, started in a fresh directory and driven through a pseudo-terminal, and
// through a pipe where only POSIX can ask it: fresh seeds, a huge name, a file size limit and a
// full disk. The dialogues from a file and a pipe are drill_e2e.sh's table.
#include "drill/drill_log.h"
#include "tests/expected_dialogue.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <regex>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

const std::string kindMenu = dialogue::kindMenu;
const std::string kindRule = dialogue::kindRule;
const std::string pausePrompt = dialogue::pausePrompt;

struct Finished {
    std::string output;
    int exitCode = -1;
    long peakKilobytes = 0; // the most memory drill held
};

int exitCodeOf(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// In a child about to become drill: signals as a shell leaves them, no core files, files no
// larger than asked, and never a hung test run.
void execDrill(rlim_t largestFile = RLIM_INFINITY)
{
    signal(SIGPIPE, SIG_DFL);
    signal(SIGXFSZ, SIG_DFL);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const rlimit fileSize{largestFile, largestFile};
    setrlimit(RLIMIT_FSIZE, &fileSize);
    alarm(30);
    execl(DRILL_BINARY, "drill", static_cast<char*>(nullptr));
    _exit(127);
}

// Runs drill with the given bytes on its standard input, through a pipe, after as many NUL
// bytes as asked, written a block at a time, under a file size limit when asked.
Finished runThroughPipe(const std::string& input, int zeroBlocks = 0,
                        rlim_t largestFile = RLIM_INFINITY)
{
    int toChild[2];
    int fromChild[2];
    EXPECT_EQ(pipe(toChild), 0);
    EXPECT_EQ(pipe(fromChild), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(toChild[0], 0);
        dup2(fromChild[1], 1);
        close(toChild[1]);
        close(fromChild[0]);
        execDrill(largestFile);
    }
    close(toChild[0]);
    close(fromChild[1]);
    signal(SIGPIPE, SIG_IGN);
    const std::string zeros(1 << 16, '\0');
    for (int block = 0; block < zeroBlocks; ++block)
        (void)!write(toChild[1], zeros.data(), zeros.size());
    (void)!write(toChild[1], input.data(), input.size());
    close(toChild[1]);
    Finished finished;
    char chunk[4096];
    ssize_t got;
    while ((got = read(fromChild[0], chunk, sizeof chunk)) > 0)
        finished.output.append(chunk, static_cast<std::size_t>(got));
    close(fromChild[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    finished.exitCode = exitCodeOf(status);
    finished.peakKilobytes = usage.ru_maxrss;
    return finished;
}

// Reports the terminal's settings on it, as "[stopped: echo on, canonical]".
void reportTerminal(const char* moment)
{
    termios settings{};
    tcgetattr(STDIN_FILENO, &settings);
    const std::string report = std::string("[") + moment + ": echo " +
                               ((settings.c_lflag & ECHO) != 0 ? "on" : "off") +
                               ((settings.c_lflag & ICANON) != 0 ? ", canonical]\n" : ", raw]\n");
    (void)!write(STDOUT_FILENO, report.data(), report.size());
}

// The child on the terminal stands in for a shell: it runs drill as a job of its own, which
// the terminal may stop, resumes it as `fg` would, and reports the terminal's settings each
// time drill stops and when it ends. It ends with drill's exit code.
[[noreturn]] void runDrillAsJob()
{
    alarm(40);
    const pid_t drill = fork();
    if (drill == 0) {
        setpgid(0, 0);
        signal(SIGTTOU, SIG_IGN);
        tcsetpgrp(STDIN_FILENO, getpid());
        signal(SIGTTOU, SIG_DFL);
        execDrill();
    }
    signal(SIGHUP, SIG_IGN); // outlive a closed terminal, to hand on drill's exit code
    setpgid(drill, drill);
    int status = 0;
    while (waitpid(drill, &status, WUNTRACED) == drill && WIFSTOPPED(status)) {
        reportTerminal("stopped");
        kill(drill, SIGCONT);
    }
    reportTerminal("ended");
    _exit(exitCodeOf(status));
}

// The drill on a pseudo-terminal, read as the learner would see it.
class TerminalSession {
public:
    TerminalSession()
    {
        pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (pid_ == 0)
            runDrillAsJob();
    }
    ~TerminalSession()
    {
        if (pid_ > 0 && exitCode_ < 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        hangUp();
    }

    // Reads until text has appeared after the last match, or the time runs out.
    bool waitFor(const std::string& text, int milliseconds = 10000)
    {
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        for (;;) {
            const std::size_t found = seen_.find(text, consumed_);
            if (found != std::string::npos) {
                consumed_ = found + text.size();
                return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
            if (left.count() <= 0 || !readSome(static_cast<int>(left.count())))
                return false;
        }
    }

    // The next count bytes after the last match, exactly; fewer when no more come.
    std::string following(std::size_t count)
    {
        while (seen_.size() < consumed_ + count && readSome(10000)) {
        }
        const std::string next = seen_.substr(consumed_, count);
        consumed_ += next.size();
        return next;
    }

    // What arrives within a short quiet period after the last match.
    std::string drain(int milliseconds)
    {
        while (readSome(milliseconds)) {
        }
        return seen_.substr(consumed_);
    }

    const std::string& seen() const { return seen_; }
    void type(const std::string& keys) { (void)!write(master_, keys.data(), keys.size()); }

    // Sends a signal to drill, the terminal's foreground job.
    void signalDrill(int signal)
    {
        const pid_t job = tcgetpgrp(master_);
        ASSERT_GT(job, 1);
        kill(-job, signal);
    }

    // True once the pause has taken the terminal out of echo and canonical mode.
    bool waitForRawMode()
    {
        for (int tries = 0; tries < 1000; ++tries) {
            termios settings{};
            if (tcgetattr(master_, &settings) == 0 && (settings.c_lflag & (ECHO | ICANON)) == 0)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // Closes the terminal, as closing its window does.
    void hangUp()
    {
        if (master_ >= 0)
            close(master_);
        master_ = -1;
    }

    int waitForExit()
    {
        drain(200);
        int status = 0;
        waitpid(pid_, &status, 0);
        exitCode_ = exitCodeOf(status);
        return exitCode_;
    }

private:
    bool readSome(int milliseconds)
    {
        pollfd ready{master_, POLLIN, 0};
        if (master_ < 0 || poll(&ready, 1, milliseconds) <= 0)
            return false;
        char chunk[4096];
        const ssize_t got = read(master_, chunk, sizeof chunk);
        if (got <= 0)
            return false;
        seen_.append(chunk, static_cast<std::size_t>(got));
        return true;
    }

    int master_ = -1;
    pid_t pid_ = -1;
    int exitCode_ = -1;
    std::string seen_;
    std::size_t consumed_ = 0;
};

// The terminal ends every line it shows with CR LF.
std::string onTerminal(const std::string& text)
{
    return std::regex_replace(text, std::regex("\n"), "\r\n");
}

// Times are the run's own: the log with each one as "<time>".
std::string withoutTimes(const std::string& log)
{
    static const std::regex time(R"(\w{3} \w{3} [ 0-9]\d \d\d:\d\d:\d\d \d{4}\n)");
    return std::regex_replace(log, time, "<time>\n");
}

// The start and name-entry records of one run, times masked.
const std::string runRecords = startRecord("<time>\n") + nameEntryRecord("<time>\n");

} // namespace

TEST(DrillOnTerminal, ThePauseWaitsForARealKeyAndLeavesTypedAheadInput)
{
    TempDirectory directory;
    TerminalSession drill;
    ASSERT_TRUE(drill.waitFor("Name: "));
    drill.type("Max\n");
    ASSERT_TRUE(drill.waitFor("Artnummer: "));
    drill.type("3 1\n");
    ASSERT_TRUE(drill.waitFor(onTerminal(dialogue::levelRule)));

    // Answer the exercise right, whatever the draws were.
    ASSERT_TRUE(drill.waitFor(" = "));
    static const std::regex exercise(R"(Nr\.1:   (\d+) \xc2\xb7 (\d+) = $)");
    std::smatch operands;
    ASSERT_TRUE(std::regex_search(drill.seen(), operands, exercise)) << drill.seen();
    const int product = std::stoi(operands[1]) * std::stoi(operands[2]);
    drill.type(std::to_string(product) + "\n");
    ASSERT_TRUE(drill.waitFor(onTerminal(rightAnswer(0))));

    // 12345 ends the series; the rest of the line stays for the menu, not for the pause. The
    // series is in the log before the pause, and the pause's key is not echoed.
    drill.type("12345 4 2\n");
    ASSERT_TRUE(drill.waitFor(onTerminal(seriesReport(1, 0, 0, "Max", 1)) + pausePrompt));
    EXPECT_EQ(withoutTimes(directory.read("tovu")),
              runRecords + seriesRecord("Max", 3, 10, 1, 1, 0, "<time>\n"));
    EXPECT_EQ(drill.drain(500), "") << "the pause did not wait for a key";
    drill.type("x");
    const std::string next = "\r\n\r\n\r\n" + onTerminal(kindMenu + kindRule);
    EXPECT_EQ(drill.following(next.size()), next);
    ASSERT_TRUE(drill.waitFor("Stufe: --------"));
    ASSERT_TRUE(drill.waitFor("Nr.1:   "));
    drill.type("\x04"); // end of input at the exercise: ends as if by 12345
    EXPECT_EQ(drill.waitForExit(), 0);
    EXPECT_NE(directory.read("tovu").find("Name:..................Max\n"), std::string::npos);
}

namespace {

// Starts drill on a terminal and brings it to the pause after a rejected kind.
void toThePause(TerminalSession& drill)
{
    ASSERT_TRUE(drill.waitFor("Name: "));
    drill.type("Jo\n9\n");
    ASSERT_TRUE(drill.waitFor(onTerminal(dialogue::rejected) + pausePrompt));
}

} // namespace

// Arrows and function keys send escape sequences, "ä" two bytes: the pause takes all of them,
// and what was typed after the key stays for the menu.
TEST(DrillOnTerminal, ThePauseTakesTheWholeKeyAndNothingAfterIt)
{
    struct Case {
        const char* key;
        bool alone; // Escape alone is known only by the quiet after it
    };
    const Case cases[] = {
        {"x", false},      {"\x1b[A", false},   {"\x1b[15~", false}, {"\x1b[[E", false},
        {"\x1bOP", false}, {"\xc3\xa4", false}, {"\x1bx", false},    {"\x1b", true},
    };
    const std::string menuAgain = "\r\n\r\n" + onTerminal(kindMenu);
    const std::string levelAsked = onTerminal(kindRule + dialogue::levelMenu);
    for (const Case& c : cases) {
        TempDirectory directory;
        TerminalSession drill;
        toThePause(drill);
        drill.type(c.alone ? std::string(c.key) : c.key + std::string("2 1\n"));
        EXPECT_EQ(drill.following(menuAgain.size()), menuAgain) << c.key;
        if (c.alone)
            drill.type("2 1\n");
        const std::string echo = c.alone ? "2 1\r\n" : "";
        EXPECT_EQ(drill.following(echo.size() + levelAsked.size()), echo + levelAsked) << c.key;
    }
}

// Each ends drill as it always would, but the terminal echoes and reads lines again first; a
// hangup is the end of input, so drill ends normally.
TEST(DrillOnTerminal, SignalsAtThePauseLeaveTheTerminalAsItWas)
{
    struct Case {
        const char* what;
        const char* typed;
        int signal;
        int exitCode;
    };
    const Case cases[] = {
        {"Ctrl+C", "\x03", 0, 128 + SIGINT},
        {"Ctrl+\\", "\x1c", 0, 128 + SIGQUIT},
        {"SIGTERM", "", SIGTERM, 128 + SIGTERM},
        {"SIGHUP", "", SIGHUP, 0},
    };
    for (const Case& c : cases) {
        TempDirectory directory;
        TerminalSession drill;
        toThePause(drill);
        drill.type(c.typed);
        if (c.signal != 0)
            drill.signalDrill(c.signal);
        // What the terminal showed goes with a failure: a lost key was once seen under load.
        EXPECT_EQ(drill.waitForExit(), c.exitCode) << c.what << '\n' << drill.seen();
        EXPECT_NE(drill.seen().find("[ended: echo on, canonical]"), std::string::npos) << c.what;
    }
}

TEST(DrillOnTerminal, CtrlZAtThePauseRestoresTheTerminalAndFgWaitsForAKeyAgain)
{
    TempDirectory directory;
    TerminalSession drill;
    toThePause(drill);
    drill.type("\x1a");
    ASSERT_TRUE(drill.waitFor("[stopped: echo on, canonical]\r\n"));
    ASSERT_TRUE(drill.waitForRawMode());
    drill.type("x");
    const std::string next = "\r\n\r\n" + onTerminal(kindMenu);
    EXPECT_EQ(drill.following(next.size()), next);
}

// Closing the terminal in the middle of a series reports and logs it as if by 12345. The shell
// passes the hangup on to drill first, as a real one does.
TEST(DrillOnTerminal, AClosedTerminalEndsTheSeriesAndLogsIt)
{
    TempDirectory directory;
    TerminalSession drill;
    ASSERT_TRUE(drill.waitFor("Name: "));
    drill.type("Jo\n1 1\n-1\n");
    ASSERT_TRUE(drill.waitFor(onTerminal(wrongAnswer(1)) + "Nr.2:   "));
    ASSERT_TRUE(drill.waitFor(" = "));
    drill.signalDrill(SIGHUP);
    drill.hangUp();
    EXPECT_EQ(drill.waitForExit(), 0);
    EXPECT_EQ(withoutTimes(directory.read("tovu")),
              runRecords + seriesRecord("Jo", 1, 10, 6, 1, 1, "<time>\n"));
}

// The generator is seeded from the clock: a run in a later second poses other exercises.
TEST(DrillThroughPipe, PosesOtherExercisesInAnotherSecond)
{
    TempDirectory directory;
    std::string firstExercise[2];
    for (std::string& exercise : firstExercise) {
        if (&exercise != firstExercise) {
            const std::time_t firstEnded = std::time(nullptr);
            while (std::time(nullptr) <= firstEnded)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        const std::string output = runThroughPipe("Jo\n1 5\n12345\n").output;
        const std::size_t at = output.find("Nr.1:");
        ASSERT_NE(at, std::string::npos) << output;
        exercise = output.substr(at, output.find('\n', at) - at);
    }
    EXPECT_NE(firstExercise[0], firstExercise[1]);
}

// A name line of 128 MiB, as /dev/zero gives one, is read in bounded memory.
TEST(DrillThroughPipe, ReadsAHugeNameLineInBoundedMemory)
{
    TempDirectory directory;
    const Finished finished = runThroughPipe("\n", 2048);
    EXPECT_EQ(finished.exitCode, 0);
    EXPECT_LT(finished.peakKilobytes, 64 << 10);
}

// A file size limit (ulimit -f) fails the write as a full disk does, not the drill: the torn
// series record is cut back, and the next run's records follow on lines of their own.
TEST(DrillThroughPipe, GoesOnBeyondTheFileSizeLimitAndLeavesNoTornRecord)
{
    TempDirectory directory;
    const std::string earlier(4000, '\n');
    directory.write("tovu", earlier);
    const std::string typed = "Jo\n1 1\n-1\n12345\n";
    const Finished limited = runThroughPipe(typed, 0, earlier.size() + 97 + 100);
    EXPECT_EQ(limited.exitCode, 0);
    EXPECT_TRUE(limited.output.ends_with(kindMenu + "\n"));
    EXPECT_EQ(runThroughPipe(typed).exitCode, 0);
    EXPECT_EQ(withoutTimes(directory.read("tovu")),
              earlier + runRecords + runRecords + seriesRecord("Jo", 1, 10, 6, 1, 1, "<time>\n"));
}

namespace {

// A file system of 16 KiB, mounted on the folder for this process alone; false where it may
// not (no root, or no mount namespace).
bool mountSmallDisk(const char* folder)
{
    return geteuid() == 0 && unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", folder, "tmpfs", 0, "size=16k") == 0;
}

} // namespace

// A series record the full disk cuts off is cut back out of the log: once space is back, the
// next run's records follow whole, each on a line of its own, and drillreport counts them.
TEST(DrillThroughPipe, LeavesNoTornRecordOnAFullDisk)
{
    TempDirectory directory;
    std::filesystem::create_directory("disk");
    if (!mountSmallDisk("disk"))
        GTEST_SKIP() << "needs root and a mount namespace of its own for a 16 KiB tmpfs";
    ASSERT_EQ(chdir("disk"), 0);
    // The log's first page is so full that the first run's start and name records fit in it,
    // but not its series record, once a second file takes every other page.
    const std::string started = startRecord("Mon Dec 07 11:30:00 2026\n");
    const std::size_t room = 97 + 170; // start and name records, the torn series record's part
    std::string earlier;
    while (earlier.size() + started.size() + room <= std::size_t(sysconf(_SC_PAGESIZE)))
        earlier += started;
    directory.write("disk/tovu", earlier);
    {
        std::ofstream filler("filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler << block && filler.flush()) {
        }
    }
    const std::string typed = "Jo\n1 1\n-1\n12345\n";
    EXPECT_EQ(runThroughPipe(typed).exitCode, 0);
    std::filesystem::remove("filler");
    EXPECT_EQ(runThroughPipe(typed).exitCode, 0);

    const std::string log = directory.read("disk/tovu");
    EXPECT_TRUE(log.starts_with(earlier)) << log;
    EXPECT_EQ(withoutTimes(log.substr(earlier.size())),
              runRecords + runRecords + seriesRecord("Jo", 1, 10, 6, 1, 1, "<time>\n"));
    if (*DRILLREPORT_BINARY != '\0') {
        const std::string command = std::string("'") + DRILLREPORT_BINARY + "' --csv tovu 2>&1";
        std::string report;
        if (FILE* const output = popen(command.c_str(), "r")) {
            char chunk[4096];
            while (const std::size_t got = std::fread(chunk, 1, sizeof chunk, output))
                report.append(chunk, got);
            pclose(output);
        }
        EXPECT_TRUE(report.find("Jo") != std::string::npos &&
                    report.find("nicht gez\xc3\xa4hlt") == std::string::npos)
            << report;
    }
    ASSERT_EQ(chdir(".."), 0);
    umount2("disk", MNT_DETACH);
}
