// Exercise generation and judging: every kind's line, the division redraw, the end answer.
#include "drill/series.h"
#include "tests/expected_dialogue.h"
#include "tests/scripted_console.h"

#include <gtest/gtest.h>

namespace {

// Runs a series that the learner ends at once and answers the first exercise's line.
std::string firstExercise(int type, int limit, std::deque<int> draws, DrillState& state)
{
    ScriptedConsole scripted("12345\n", std::move(draws));
    state.exerciseType = static_cast<ExerciseType>(type);
    state.numberLimit = limit;
    runSeries(state, scripted.console);
    EXPECT_TRUE(scripted.draws.empty()) << "not every scripted draw was taken";
    return scripted.output.str();
}

} // namespace

TEST(Series, WritesEachKindOfExerciseAndKnowsItsAnswer)
{
    struct Case {
        int type, limit;
        std::deque<int> draws;
        const char* line;
        int expected;
    };
    const Case cases[] = {
        {1, 10, {3, 4}, "Nr.1:   3 + 4 = \n", 7},
        {1, 10, {13, 24}, "Nr.1:   3 + 4 = \n", 7}, // draws are taken modulo the limit
        {2, 10, {2, 7}, "Nr.1:   7 - 2 = \n", 5},
        {2, 10, {7, 2}, "Nr.1:   7 - 2 = \n", 5},
        {2, 25, {6, 6}, "Nr.1:   6 - 6 = \n", 0},
        {3, 1000, {15, 823}, "Nr.1:   15 \xc2\xb7 823 = \n", 12345},
        {3, 10000, {9999, 9999}, "Nr.1:   9999 \xc2\xb7 9999 = \n", 99980001},
        {4, 10, {3, 9, 4}, "Nr.1:   12 : 3 = \n", 4},
        {4, 10, {7, 1, 0}, "Nr.1:   0 : 7 = \n", 0},
        {4, 10, {0, 5, 6, 0, 8, 2, 9}, "Nr.1:   18 : 2 = \n", 9}, // divisor 0 is drawn again
        {5, 100, {0, 1}, "Nr.1:   0\xc2\xb2 = \n", 0},
        {5, 100, {12, 1}, "Nr.1:   12\xc2\xb2 = \n", 144},
        {6, 100, {0, 1}, "Nr.1: Wurzel aus 0 = \n", 0},
        {6, 25, {24, 1}, "Nr.1: Wurzel aus 576 = \n", 24},
    };
    for (const Case& c : cases) {
        DrillState state;
        EXPECT_EQ(firstExercise(c.type, c.limit, c.draws, state), c.line);
        EXPECT_EQ(state.expectedAnswer, c.expected) << c.line;
        EXPECT_EQ(state.exerciseNumber, 1) << c.line;
    }
}

// The scripted clock moves on by one second with the answer "1" read.
TEST(Series, SeedsFromTheClockBeforeEveryExerciseOnly)
{
    ScriptedConsole scripted("1\n12345\n", {0, 2, 4, 2, 4, 3, 1, 5});
    DrillState state;
    state.exerciseType = ExerciseType::Division;
    state.numberLimit = 10;
    runSeries(state, scripted.console);
    EXPECT_EQ(scripted.seeds, (std::vector<unsigned>{1700000000u, 1700000001u}));
    EXPECT_EQ(scripted.output.str(), "Nr.1:   8 : 2 = " + wrongAnswer(1) + "Nr.2:   15 : 3 = \n");
}

TEST(Series, JudgesAnswersAndEndsOnlyOn12345)
{
    struct Case {
        const char* typed;
        std::deque<int> draws;
        std::string output;
        int exerciseNumber, errors;
    };
    const Case cases[] = {
        {"12345\n", {1, 2}, "Nr.1:   1 + 2 = \n", 1, 0},
        {"3\n9\n12345\n",
         {1, 2, 4, 4, 0, 0},
         "Nr.1:   1 + 2 = " + rightAnswer(0) + "Nr.2:   4 + 4 = " + wrongAnswer(1) +
             "Nr.3:   0 + 0 = \n",
         3,
         1},
        {"-3 2\n12345\n",
         {1, 2, 3, 3, 0, 0},
         "Nr.1:   1 + 2 = " + wrongAnswer(1) + "Nr.2:   3 + 3 = " + wrongAnswer(2) +
             "Nr.3:   0 + 0 = \n",
         3,
         2},
        // The right result 12345 ends the series, counted neither right nor wrong.
        {"12345\n", {6000, 6345}, "Nr.1:   6000 + 6345 = \n", 1, 0},
        {"drei\n3\n12345\n",
         {1, 2, 0, 0},
         "Nr.1:   1 + 2 = " + std::string(dialogue::notAWholeNumber) +
             "Nr.1:   1 + 2 = " + rightAnswer(0) + "Nr.2:   0 + 0 = \n",
         2,
         0},
    };
    for (const Case& c : cases) {
        ScriptedConsole scripted(c.typed, c.draws);
        DrillState state;
        state.exerciseType = ExerciseType::Addition;
        state.numberLimit = 10000;
        EXPECT_TRUE(runSeries(state, scripted.console));
        EXPECT_EQ(scripted.output.str(), c.output);
        EXPECT_EQ(state.exerciseNumber, c.exerciseNumber) << c.typed;
        EXPECT_EQ(state.errorCount, c.errors) << c.typed;
    }
}

TEST(Series, EndsAsIfBy12345WhenTheInputEnds)
{
    for (const char* typed : {"", "3\n", "3\nabc\n", "3"}) {
        ScriptedConsole scripted(typed, {1, 2, 5, 5});
        DrillState state;
        state.exerciseType = ExerciseType::Addition;
        state.numberLimit = 10;
        EXPECT_FALSE(runSeries(state, scripted.console)) << typed;
        const std::string output = scripted.output.str();
        EXPECT_EQ(output.back(), '\n') << typed;
        EXPECT_EQ(state.exerciseNumber, std::string(typed).empty() ? 1 : 2) << typed;
    }
}
