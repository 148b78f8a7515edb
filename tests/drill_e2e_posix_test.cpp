// The real drill binary, started in a fresh directory and driven through a pipe and through
// a pseudo-terminal.
#include "expected_kind_menu.h"
#include "temp_directory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <regex>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kindMenu = expectedKindMenu;
const std::string levelMenu = "------------\n\nWelche Schwierigkeitsstufe?\n\n"
                              "1 : Zahlen 0-10\n2 : Zahlen 0-25\n3 : Zahlen 0-100\n"
                              "4 : Zahlen 0-1000\n5 : Zahlen 0-10000\n\nStufe: "
                              "--------\n\n"
                              "Falls du die Aufgaben beenden willst, tippe 12345 ein.\n"
                              "Viel Spa\xc3\x9f!!! Programmed by Zandrix!!!\n\n";
const std::string pausePrompt = "Dr\xc3\xbc"
                                "cken Sie eine beliebige Taste . . .";

struct Finished {
    std::string output;
    int exitCode = -1;
};

// Runs drill with the given bytes on its standard input, through a pipe.
Finished runThroughPipe(const std::string& input)
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
        alarm(20); // never hang a test run
        execl(DRILL_BINARY, "drill", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    signal(SIGPIPE, SIG_IGN);
    (void)!write(toChild[1], input.data(), input.size());
    close(toChild[1]);
    Finished finished;
    char chunk[4096];
    ssize_t got;
    while ((got = read(fromChild[0], chunk, sizeof chunk)) > 0)
        finished.output.append(chunk, static_cast<std::size_t>(got));
    close(fromChild[0]);
    int status = 0;
    waitpid(child, &status, 0);
    finished.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return finished;
}

// The drill on a pseudo-terminal, read as the learner would see it.
class TerminalSession {
public:
    TerminalSession()
    {
        pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
        if (pid_ == 0) {
            alarm(30);
            execl(DRILL_BINARY, "drill", static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~TerminalSession()
    {
        if (pid_ > 0 && exitCode_ < 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        close(master_);
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

    // What arrives within a short quiet period after the last match.
    std::string drain(int milliseconds)
    {
        while (readSome(milliseconds)) {
        }
        return seen_.substr(consumed_);
    }

    const std::string& seen() const { return seen_; }
    void type(const std::string& keys) { (void)!write(master_, keys.data(), keys.size()); }

    int waitForExit()
    {
        drain(200);
        int status = 0;
        waitpid(pid_, &status, 0);
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return exitCode_;
    }

private:
    bool readSome(int milliseconds)
    {
        pollfd ready{master_, POLLIN, 0};
        if (poll(&ready, 1, milliseconds) <= 0)
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

// Exercise numbers are random: replace the operands of an exercise line by "#".
std::string withoutOperands(const std::string& text)
{
    static const std::regex operands(R"((Nr\.\d+:   )\d+ \+ \d+ = )");
    return std::regex_replace(text, operands, "$1# + # = ");
}

} // namespace

TEST(DrillThroughPipe, RunsAWholeSessionAndLogsIt)
{
    TempDirectory directory;
    const Finished finished = runThroughPipe("Anna Lena\r\n1 4\n-1\nzwei\n-1\n12345\n");
    EXPECT_EQ(finished.exitCode, 0);
    EXPECT_EQ(withoutOperands(finished.output),
              "** Quembrolavintesmoraldix **\n-----------------------------\nName: " + kindMenu +
                  levelMenu + "Nr.1:   # + # = FALSCH!!!  Bisher 1 Fehler!\n\n" +
                  "Nr.2:   # + # = Bitte gib eine ganze Zahl ein.\n" +
                  "Nr.2:   # + # = FALSCH!!!  Bisher 2 Fehler!\n\n" + "Nr.3:   # + # = \n" +
                  "Du hast bei 2 Aufgaben 2 Fehler!!!\nDu hast 100% der Aufgaben falsch!!!\n\n" +
                  "Name: Anna Lena    Note: 6\n" + pausePrompt + "\n\n\n" + kindMenu + "\n");

    static const std::regex log(
        "Startzeit:\\.{14}(\\w{3} \\w{3} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n)"
        "Logzeit:\\.{15}\\w{3} \\w{3} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n"
        "Name:\\.{18}Anna Lena\nArt:\\.{23}1\nSchwierigkeit:\\.{7}1000\nNote:\\.{20}6\n"
        "Aufgaben:\\.{12}2\nFehler:\\.{18}2\n"
        "Endzeit:\\.{16}\\w{3} \\w{3} [ 0-9]\\d \\d\\d:\\d\\d:\\d\\d \\d{4}\n-{87}\n");
    EXPECT_TRUE(std::regex_match(directory.read("tovu"), log)) << directory.read("tovu");
}

TEST(DrillThroughPipe, AppendsStartAndNameRecordsOnEveryRun)
{
    TempDirectory directory;
    directory.write("tovu", "earlier bytes\r\n");
    for (const char* input : {"", "Jo\n", "Jo\n1 1\n12345\n"})
        EXPECT_EQ(runThroughPipe(input).exitCode, 0) << input;
    static const std::regex runs("earlier bytes\r\n"
                                 "(Startzeit:\\.{14}[^\n]{24}\nLogzeit:\\.{15}[^\n]{24}\n){3}");
    EXPECT_TRUE(std::regex_match(directory.read("tovu"), runs)) << directory.read("tovu");
}

TEST(DrillOnTerminal, ThePauseWaitsForARealKeyAndLeavesTypedAheadInput)
{
    TempDirectory directory;
    TerminalSession drill;
    ASSERT_TRUE(drill.waitFor("Name: "));
    drill.type("Max\n");
    ASSERT_TRUE(drill.waitFor("Artnummer: "));
    drill.type("3 1\n");
    ASSERT_TRUE(drill.waitFor("Viel Spa\xc3\x9f!!! Programmed by Zandrix!!!\r\n\r\n"));

    // Answer the exercise right, whatever the draws were.
    ASSERT_TRUE(drill.waitFor(" = "));
    static const std::regex exercise(R"(Nr\.1:   (\d+) \xc2\xb7 (\d+) = $)");
    std::smatch operands;
    ASSERT_TRUE(std::regex_search(drill.seen(), operands, exercise)) << drill.seen();
    const int product = std::stoi(operands[1]) * std::stoi(operands[2]);
    drill.type(std::to_string(product) + "\n");
    ASSERT_TRUE(drill.waitFor("RICHTIG!!! Bisher 0 Fehler!"));

    // 12345 ends the series; the rest of the line stays for the menu, not for the pause.
    drill.type("12345 4 2\n");
    ASSERT_TRUE(drill.waitFor("Name: Max    Note: 1\r\n" + pausePrompt));
    EXPECT_EQ(drill.drain(500), "") << "the pause did not wait for a key";
    drill.type("x");
    ASSERT_TRUE(drill.waitFor("\r\n\r\n\r\n" + onTerminal(kindMenu) + "------------"));
    ASSERT_TRUE(drill.waitFor("Stufe: --------"));
    ASSERT_TRUE(drill.waitFor("Nr.1:   "));
    drill.type("\x04"); // end of input at the exercise: ends as if by 12345
    EXPECT_EQ(drill.waitForExit(), 0);
    EXPECT_NE(directory.read("tovu").find("Name:..................Max\n"), std::string::npos);
}
