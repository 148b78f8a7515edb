// Whole sessions of the drill, compared byte for byte with what the learner sees and the log.
#include "drill_run.h"
#include "scripted_console.h"
#include "stored_log.h"
#include "temp_directory.h"

#include <gtest/gtest.h>

namespace {

const std::string start = "** Quembrolavintesmoraldix **\n"
                          "-----------------------------\n"
                          "Name: ";
const std::string kindMenu = "Welche Art von Gleichungen willst du l\xc3\xb6sen?\n"
                             "\n"
                             "1 : Addition........(+)\n"
                             "2 : Subtraktion.....(-)\n"
                             "3 : Multiplikation..(\xc2\xb7)\n"
                             "4 : Division........(:)\n"
                             "5 : Quadrieren......(x\xc2\xb2)\n"
                             "6 : Quadratwurzeln..(\xc2\xb2/)\n"
                             "\n"
                             "Artnummer: ";
const std::string kindRule = "------------\n\n";
const std::string levelMenu = "Welche Schwierigkeitsstufe?\n"
                              "\n"
                              "1 : Zahlen 0-10\n"
                              "2 : Zahlen 0-25\n"
                              "3 : Zahlen 0-100\n"
                              "4 : Zahlen 0-1000\n"
                              "5 : Zahlen 0-10000\n"
                              "\n"
                              "Stufe: ";
const std::string levelRule = "--------\n\n"
                              "Falls du die Aufgaben beenden willst, tippe 12345 ein.\n"
                              "Viel Spa\xc3\x9f!!! Programmed by Zandrix!!!\n\n";
const std::string rejected = "Diese Eingabe ist ung\xc3\xbcltig.\n\n<pause>\n\n";
const std::string menu = kindMenu + kindRule + levelMenu + levelRule;
const std::string timeText = "Tue Nov 14 22:13:20 2023\n";
const std::string logStart =
    "Startzeit:.............." + timeText + "Logzeit:..............." + timeText;

struct Session {
    const char* what;
    std::string typed;
    std::deque<int> draws;
    std::string console;
    std::string log;
};

std::string runSession(const Session& session, const TempDirectory& directory)
{
    ScriptedConsole scripted(session.typed, session.draws);
    DrillState state;
    runDrill(state, scripted.console);
    EXPECT_TRUE(scripted.draws.empty()) << session.what << ": draws left over";
    (void)directory;
    return scripted.output.str();
}

} // namespace

TEST(Dialogue, WholeSessionsAreShownAndLoggedByteForByte)
{
    const Session sessions[] = {
        {"no input at all", "", {}, start + kindMenu + "\n", logStart},
        {"a name, then the input ends in the menu",
         "Anna Lena\n",
         {},
         start + kindMenu + "\n",
         logStart},
        {"a name without a line end", "Anna", {}, start + kindMenu + "\n", logStart},
        {"the input ends at the level",
         "Jo\n4\n",
         {},
         start + kindMenu + kindRule + levelMenu + "\n",
         logStart},
        {"a series of three with one error",
         "Anna\n1\n1\n7\n10\n0\n12345\n",
         {3, 4, 5, 6, 0, 0, 1, 1},
         start + menu + "Nr.1:   3 + 4 = RICHTIG!!! Bisher 0 Fehler!\n\n" +
             "Nr.2:   5 + 6 = FALSCH!!!  Bisher 1 Fehler!\n\n" +
             "Nr.3:   0 + 0 = RICHTIG!!! Bisher 1 Fehler!\n\n" + "Nr.4:   1 + 1 = \n" +
             "Du hast bei 3 Aufgaben 1 Fehler!!!\nDu hast 33% der Aufgaben falsch!!!\n\n" +
             "Name: Anna    Note: 3\n<pause>\n\n\n" + kindMenu + "\n",
         logStart +
             "Name:..................Anna\nArt:.......................1\n"
             "Schwierigkeit:.......10\nNote:....................3\n"
             "Aufgaben:............3\nFehler:..................1\n"
             "Endzeit:................" +
             timeText + std::string(87, '-') + "\n"},
        {"12345 as the first answer: no report, no record, the menu at once",
         "\n2 5\n12345\n",
         {1, 2},
         start + menu + "Nr.1:   2 - 1 = \n" + kindMenu + "\n",
         logStart},
        {"rejected kinds and levels, then a valid choice",
         "Jo\n7\n0\n-1\nabc\n3\n6\n3 x\n3 1\n12345\n",
         {2, 3},
         start + kindMenu + kindRule + rejected + kindMenu + kindRule + rejected + kindMenu +
             kindRule + rejected + kindMenu + kindRule + rejected + kindMenu + kindRule +
             levelMenu + levelRule + rejected + kindMenu + kindRule + levelMenu + levelRule +
             rejected + kindMenu + kindRule + levelMenu + levelRule + "Nr.1:   2 \xc2\xb7 3 = \n" +
             kindMenu + "\n",
         logStart},
        {"the input ends in a series: reported and logged as if by 12345",
         "Ute\n6 2\n5\n4",
         {5, 0, 4, 0, 9, 9},
         start + menu + "Nr.1: Wurzel aus 25 = RICHTIG!!! Bisher 0 Fehler!\n\n" +
             "Nr.2: Wurzel aus 16 = RICHTIG!!! Bisher 0 Fehler!\n\n" + "Nr.3: Wurzel aus 81 = \n" +
             "Du hast bei 2 Aufgaben 0 Fehler!!!\nDu hast 0% der Aufgaben falsch!!!\n\n" +
             "Name: Ute    Note: 1\n<pause>\n\n\n",
         logStart +
             "Name:..................Ute\nArt:.......................6\n"
             "Schwierigkeit:.......25\nNote:....................1\n"
             "Aufgaben:............2\nFehler:..................0\n"
             "Endzeit:................" +
             timeText + std::string(87, '-') + "\n"},
        {"bad input in a series asks again for the same exercise",
         "Eva\r\n5 1\nvier\n99999999999\n16\n12345\n",
         {4, 7, 3, 3},
         start + menu + "Nr.1:   4\xc2\xb2 = Bitte gib eine ganze Zahl ein.\n" +
             "Nr.1:   4\xc2\xb2 = Bitte gib eine ganze Zahl ein.\n" +
             "Nr.1:   4\xc2\xb2 = RICHTIG!!! Bisher 0 Fehler!\n\n" + "Nr.2:   3\xc2\xb2 = \n" +
             "Du hast bei 1 Aufgaben 0 Fehler!!!\nDu hast 0% der Aufgaben falsch!!!\n\n" +
             "Name: Eva    Note: 1\n<pause>\n\n\n" + kindMenu + "\n",
         logStart +
             "Name:..................Eva\nArt:.......................5\n"
             "Schwierigkeit:.......10\nNote:....................1\n"
             "Aufgaben:............1\nFehler:..................0\n"
             "Endzeit:................" +
             timeText + std::string(87, '-') + "\n"},
    };
    for (const Session& session : sessions) {
        TempDirectory directory;
        EXPECT_EQ(runSession(session, directory), session.console) << session.what;
        EXPECT_EQ(directory.read("tovu"), asStoredInLog(session.log)) << session.what;
    }
}

TEST(Dialogue, KeepsNameAndStartTimeAcrossSeries)
{
    TempDirectory directory;
    ScriptedConsole scripted("Max Moritz\n1 1\n1\n12345\n2 2\n9\n12345\n",
                             {0, 1, 0, 0, 9, 9, 1, 1});
    DrillState state;
    runDrill(state, scripted.console);
    const std::string log = directory.read("tovu");
    EXPECT_EQ(state.name, "Max Moritz");
    EXPECT_EQ(state.startTime, timeText);
    const std::string first =
        asStoredInLog("Name:..................Max Moritz\nArt:.......................1\n");
    const std::string second =
        asStoredInLog("Name:..................Max Moritz\nArt:.......................2\n");
    ASSERT_NE(log.find(first), std::string::npos);
    EXPECT_NE(log.find(second, log.find(first)), std::string::npos);
}
