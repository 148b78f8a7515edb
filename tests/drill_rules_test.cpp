// The rules the drill shares with the log's other readers: grades and the kinds' words.
#include "logtext/drill_rules.h"

#include <gtest/gtest.h>

TEST(Grading, EveryBoundOfTheTableIsInclusive)
{
    const std::pair<int, int> cases[] = {
        {0, 1},  {4, 1},  {5, 2},  {19, 2}, {20, 3}, {33, 3},
        {34, 4}, {50, 4}, {51, 5}, {70, 5}, {71, 6}, {100, 6},
    };
    for (auto [percentage, grade] : cases)
        EXPECT_EQ(gradeForPercentage(percentage), grade) << percentage << "%";
}

// The report reads these words out of the menu's option lines.
TEST(Grading, EveryKindHasItsMenuWord)
{
    const std::string_view words[] = {"",         "Addition",   "Subtraktion",    "Multiplikation",
                                      "Division", "Quadrieren", "Quadratwurzeln", ""};
    for (int kind = 0; kind <= 7; ++kind)
        EXPECT_EQ(kindWord(kind), words[kind]) << kind;
}
