// The report: the percentage it computes, the grade it gives, the record it logs.
#include "report.h"
#include "scripted_console.h"
#include "temp_directory.h"

#include <gtest/gtest.h>

TEST(Report, RoundsThePercentageDownAndGradesIt)
{
    struct Case {
        int exerciseNumber; // the exercise at which 12345 was typed
        int errors;
        const char* console;
    };
    const Case cases[] = {
        {4, 1,
         "Du hast bei 3 Aufgaben 1 Fehler!!!\nDu hast 33% der Aufgaben falsch!!!\n\n"
         "Name: Anna    Note: 3\n<pause>\n\n\n"},
        {21, 1,
         "Du hast bei 20 Aufgaben 1 Fehler!!!\nDu hast 5% der Aufgaben falsch!!!\n\n"
         "Name: Anna    Note: 2\n<pause>\n\n\n"},
        {22, 1,
         "Du hast bei 21 Aufgaben 1 Fehler!!!\nDu hast 4% der Aufgaben falsch!!!\n\n"
         "Name: Anna    Note: 1\n<pause>\n\n\n"},
        {3, 1,
         "Du hast bei 2 Aufgaben 1 Fehler!!!\nDu hast 50% der Aufgaben falsch!!!\n\n"
         "Name: Anna    Note: 4\n<pause>\n\n\n"},
        {11, 7,
         "Du hast bei 10 Aufgaben 7 Fehler!!!\nDu hast 70% der Aufgaben falsch!!!\n\n"
         "Name: Anna    Note: 5\n<pause>\n\n\n"},
        {4, 3,
         "Du hast bei 3 Aufgaben 3 Fehler!!!\nDu hast 100% der Aufgaben falsch!!!\n\n"
         "Name: Anna    Note: 6\n<pause>\n\n\n"},
        {2, 0,
         "Du hast bei 1 Aufgaben 0 Fehler!!!\nDu hast 0% der Aufgaben falsch!!!\n\n"
         "Name: Anna    Note: 1\n<pause>\n\n\n"},
        {1, 0, ""},
    };
    for (const Case& c : cases) {
        TempDirectory directory;
        ScriptedConsole scripted("");
        DrillState state;
        state.name = "Anna";
        state.exerciseType = ExerciseType::Subtraction;
        state.numberLimit = 25;
        state.exerciseNumber = c.exerciseNumber;
        state.errorCount = c.errors;
        runReport(state, scripted.console);
        EXPECT_EQ(scripted.output.str(), c.console) << c.exerciseNumber << "/" << c.errors;
        EXPECT_EQ(state.exerciseNumber, 0);
        EXPECT_EQ(state.errorCount, 0);
        EXPECT_EQ(directory.read("tovu").empty(), c.exerciseNumber == 1);
    }
}

TEST(Report, CountsEvenAVeryLongSeriesWithoutOverflow)
{
    TempDirectory directory;
    ScriptedConsole scripted("");
    DrillState state;
    state.exerciseNumber = 2000000001;
    state.errorCount = 1000000000;
    state.exerciseType = ExerciseType::Addition;
    state.numberLimit = 10;
    runReport(state, scripted.console);
    EXPECT_EQ(state.errorPercentage, 50);
    EXPECT_EQ(state.grade, 4);
}
