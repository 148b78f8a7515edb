// Whole sessions of the drill, compared byte for byte with what the learner sees and the log.
#include "drill/drill_log.h"
#include "drill/drill_run.h"
#include "tests/expected_dialogue.h"
#include "tests/scripted_console.h"
#include "tests/stored_log.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

#include <span>
#include <vector>

namespace {

const std::string start = dialogue::banner;
const std::string kindMenu = dialogue::kindMenu;
const std::string kindRule = dialogue::kindRule;
const std::string levelMenu = dialogue::levelMenu;
const std::string levelRule = dialogue::levelRule;
const std::string rejected = dialogue::rejected + std::string(scriptedPause) + "\n";
const std::string menu = kindMenu + kindRule + levelMenu + levelRule;
const std::string askAgain = dialogue::notAWholeNumber;

// A series' report and the pause after it.
std::string reported(int answered, int errors, int percent, const std::string& name, int grade)
{
    return seriesReport(answered, errors, percent, name, grade) + scriptedPause + "\n\n";
}

// The scripted clock's time text once the input has been read up to the end of the first
// occurrence of upTo, or to its end where there is none.
std::string timeAfter(const std::string& typed, std::string_view upTo)
{
    const std::size_t at = typed.find(upTo);
    const std::size_t read = at == std::string::npos ? typed.size() : at + upTo.size();
    return formatTimeText(scriptedClockStart + static_cast<std::time_t>(read));
}

// Found nowhere in an input, so the moment after all of it has been read.
const char* const endOfInput = "(the end of input)";

// A series record expected in the log, ended once the input is read up to endsAfter.
struct LoggedSeries {
    std::string name;
    int type, limit, grade, answered, errors;
    std::string endsAfter = "12345";
};

struct Session {
    const char* what;
    std::string typed;
    std::deque<int> draws;
    std::string console;
    std::vector<LoggedSeries> series;
};

// The start time before anything is read, the name-entry time after the name's line.
std::string expectedLog(const Session& session)
{
    std::string log =
        startRecord(timeAfter(session.typed, "")) + nameEntryRecord(timeAfter(session.typed, "\n"));
    for (const LoggedSeries& s : session.series)
        log += seriesRecord(s.name, s.type, s.limit, s.grade, s.answered, s.errors,
                            timeAfter(session.typed, s.endsAfter));
    return asStoredInLog(log);
}

// Runs the whole drill on the scripted console in a fresh directory and checks all it showed
// and logged; its state at the end is left for the caller's checks.
DrillState expectSession(const Session& session)
{
    TempDirectory directory;
    ScriptedConsole scripted(session.typed, session.draws);
    DrillState state;
    runDrill(state, scripted.console);
    EXPECT_TRUE(scripted.draws.empty()) << session.what << ": draws left over";
    EXPECT_EQ(scripted.output.str(), session.console) << session.what;
    EXPECT_EQ(directory.read("tovu"), expectedLog(session)) << session.what;
    return state;
}

void expectSessions(std::span<const Session> sessions)
{
    for (const Session& session : sessions)
        expectSession(session);
}

} // namespace

TEST(DrillRun, EndsCleanlyWhereverTheInputEnds)
{
    const Session sessions[] = {
        {"no input at all", "", {}, start + kindMenu + "\n", {}},
        {"a name, then the input ends in the menu", "Anna Lena\n", {}, start + kindMenu + "\n", {}},
        {"a name without a line end", "Anna", {}, start + kindMenu + "\n", {}},
        {"the input ends at the level",
         "Jo\n4\n",
         {},
         start + kindMenu + kindRule + levelMenu + "\n",
         {}},
        {"the input ends in a series: reported and logged as if by 12345",
         "Ute\n6 2\n5\n4",
         {5, 0, 4, 0, 9, 9},
         start + menu + "Nr.1: Wurzel aus 25 = " + rightAnswer(0) + "Nr.2: Wurzel aus 16 = " +
             rightAnswer(0) + "Nr.3: Wurzel aus 81 = \n" + reported(2, 0, 0, "Ute", 1),
         {{"Ute", 6, 25, 1, 2, 0, endOfInput}}},
    };
    expectSessions(sessions);
}

TEST(DrillRun, RejectsInvalidChoicesAndAsksForTheKindAgain)
{
    const Session sessions[] = {
        {"rejected kinds and levels, then a valid choice",
         "Jo\n7\n0\n-1\nabc\n3\n6\n3 x\n3 1\n12345\n",
         {2, 3},
         start + kindMenu + kindRule + rejected + kindMenu + kindRule + rejected + kindMenu +
             kindRule + rejected + kindMenu + kindRule + rejected + kindMenu + kindRule +
             levelMenu + levelRule + rejected + kindMenu + kindRule + levelMenu + levelRule +
             rejected + kindMenu + kindRule + levelMenu + levelRule + "Nr.1:   2 \xc2\xb7 3 = \n" +
             kindMenu + "\n",
         {}},
    };
    expectSessions(sessions);
}

TEST(DrillRun, ReportsAndLogsEverySeriesWithAnAnswer)
{
    const Session sessions[] = {
        {"a series of three with one error",
         "Anna\n1\n1\n7\n10\n0\n12345\n",
         {3, 4, 5, 6, 0, 0, 1, 1},
         start + menu + "Nr.1:   3 + 4 = " + rightAnswer(0) + "Nr.2:   5 + 6 = " + wrongAnswer(1) +
             "Nr.3:   0 + 0 = " + rightAnswer(1) + "Nr.4:   1 + 1 = \n" +
             reported(3, 1, 33, "Anna", 3) + kindMenu + "\n",
         {{"Anna", 1, 10, 3, 3, 1}}},
        {"12345 as the first answer: no report, no record, the menu at once",
         "\n2 5\n12345\n",
         {1, 2},
         start + menu + "Nr.1:   2 - 1 = \n" + kindMenu + "\n",
         {}},
    };
    expectSessions(sessions);
}

TEST(DrillRun, AsksTheSameExerciseAgainAfterAnythingButAWholeNumber)
{
    const Session sessions[] = {
        {"bad input in a series asks again for the same exercise",
         "Eva\r\n5 1\nvier\n99999999999\n16\n12345\n",
         {4, 7, 3, 3},
         start + menu + "Nr.1:   4\xc2\xb2 = " + askAgain + "Nr.1:   4\xc2\xb2 = " + askAgain +
             "Nr.1:   4\xc2\xb2 = " + rightAnswer(0) + "Nr.2:   3\xc2\xb2 = \n" +
             reported(1, 0, 0, "Eva", 1) + kindMenu + "\n",
         {{"Eva", 5, 10, 1, 1, 0}}},
    };
    expectSessions(sessions);
}

// The start time is taken before the name is read and kept; each series has its own end time.
TEST(DrillRun, TakesEachTimeAtItsMomentAndKeepsNameAndStartTime)
{
    const std::string typed = "Max Moritz\n1 1\n1\n12345\n2 2\n9\n12345\n";
    const DrillState state = expectSession(
        {"two series",
         typed,
         {0, 1, 0, 0, 9, 9, 1, 1},
         start + menu + "Nr.1:   0 + 1 = " + rightAnswer(0) + "Nr.2:   0 + 0 = \n" +
             reported(1, 0, 0, "Max Moritz", 1) + menu + "Nr.1:   9 - 9 = " + wrongAnswer(1) +
             "Nr.2:   1 - 1 = \n" + reported(1, 1, 100, "Max Moritz", 6) + kindMenu + "\n",
         {{"Max Moritz", 1, 10, 1, 1, 0}, {"Max Moritz", 2, 25, 6, 1, 1, "9\n12345"}}});
    EXPECT_EQ(state.name, "Max Moritz");
    EXPECT_EQ(state.startTime, timeAfter(typed, ""));
    EXPECT_EQ(state.nameEntryTime, timeAfter(typed, "\n"));
}

// Whatever the name's line holds, the stored name is one log line of at most 4096 bytes, shown
// as stored in the report; a UTF-8 character is never cut in two.
TEST(DrillRun, StoresANameBoundedAndFreeOfControlBytes)
{
    const std::string a4093(4093, 'a');
    const std::string a4094 = a4093 + "a";
    const std::string a4095 = a4094 + "a";
    const std::string a4096 = a4095 + "a";
    struct Case {
        const char* what;
        std::string line; // the name's line as typed, without its LF
        std::string stored;
    };
    const Case cases[] = {
        {"a forged record", "Eve\rNote:....................1\rAufgaben:............500",
         "Eve Note:....................1 Aufgaben:............500"},
        {"NUL, TAB, 0x1F, DEL and a trailing CR",
         std::string("A\0B\t\x1f\x7f"
                     "C\r",
                     8),
         "A B   C"},
        {"bytes from 0x80 up stay", "J\xc3\xb6rg \x80\xff", "J\xc3\xb6rg \x80\xff"},
        {"exactly at the bound, CR after it", a4096 + "\r", a4096},
        {"beyond the bound", a4096 + "bcdefgh", a4096},
        {"a two-byte character across the bound", a4095 + "\xc3\xa4", a4095},
        {"a two-byte character at the bound", a4094 + "\xc3\xa4z", a4094 + "\xc3\xa4"},
        {"a four-byte character across the bound", a4093 + "\xf0\x9f\x98\x80", a4093},
        {"no UTF-8 across the bound", a4095 + "\xc3z", a4095 + "\xc3"},
        {"a CR inside the kept bytes", a4095 + "\rb", a4095 + " "},
    };
    for (const Case& c : cases) {
        const std::string shown = start + menu + "Nr.1:   2 + 3 = " + rightAnswer(0) +
                                  "Nr.2:   0 + 0 = \n" + reported(1, 0, 0, c.stored, 1) + kindMenu +
                                  "\n";
        const Session session{c.what,
                              c.line + "\n1 1\n5\n12345\n",
                              {2, 3, 0, 0},
                              shown,
                              {{c.stored, 1, 10, 1, 1, 0}}};
        EXPECT_EQ(expectSession(session).name, c.stored) << c.what;
    }
}
