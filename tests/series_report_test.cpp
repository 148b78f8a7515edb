// The report: the percentage it computes, the grade it gives, the record it logs.
#include "drill/report.h"
#include "tests/expected_dialogue.h"
#include "tests/scripted_console.h"
#include "tests/temp_directory.h"

#include <gtest/gtest.h>

TEST(Report, RoundsThePercentageDownAndGradesIt)
{
    struct Case {
        int exerciseNumber; // the exercise at which 12345 was typed
        int errors;
        int percentage, grade; // shown; no report at all for the first exercise
    };
    const Case cases[] = {
        {4, 1, 33, 3},  {21, 1, 5, 2},  {22, 1, 4, 1}, {3, 1, 50, 4},
        {11, 7, 70, 5}, {4, 3, 100, 6}, {2, 0, 0, 1},  {1, 0, 0, 0},
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
        const std::string shown =
            c.exerciseNumber == 1
                ? ""
                : seriesReport(c.exerciseNumber - 1, c.errors, c.percentage, "Anna", c.grade) +
                      scriptedPause + "\n\n";
        EXPECT_EQ(scripted.output.str(), shown) << c.exerciseNumber << "/" << c.errors;
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
