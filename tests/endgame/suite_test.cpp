#include <gtest/gtest.h>

#include "engine/endgame.h"
#include "suite.h"

namespace {

TEST(EndgameSuite, IsSeededAndEveryPositionIsAProvenWin) {
    SuiteOptions options;
    options.count = 5;
    options.seed = 4;
    std::vector<Visible> suite = wonEndgames(options);
    ASSERT_EQ(suite.size(), 5u);
    std::vector<Visible> again = wonEndgames(options);
    for (size_t i = 0; i < suite.size(); i++) {
        const char *why;
        EXPECT_TRUE(consistent(suite[i], &why)) << why;
        EndgameVerdict verdict;
        ASSERT_TRUE(probeEndgame(suite[i], &verdict));
        EXPECT_EQ(verdict.result, 1);
        EXPECT_GE(verdict.plies, options.minPlies);
        EXPECT_EQ(again[i].turn, suite[i].turn);
        EXPECT_EQ(again[i].quietMoves, suite[i].quietMoves);
        for (int cell = 0; cell < boardCells; cell++)
            EXPECT_EQ(again[i].cell[cell], suite[i].cell[cell]);
    }
}

// Short wins, which a search to a fixed depth sees to the end without the
// solver's help, converted against the longest defence.
TEST(EndgameSuite, SearchAloneConvertsShortWins) {
    SuiteOptions options;
    options.count = 3;
    options.seed = 2;
    options.minPlies = 3;
    options.maxPlies = 3;
    Engine engine;
    SearchLimits limits;
    limits.depth = 4;
    limits.useEndgameSolver = false;
    for (const Visible &start : wonEndgames(options)) {
        Conversion c = playOut(engine, start, limits);
        EXPECT_FALSE(c.illegal);
        EXPECT_TRUE(c.converted);
    }
}

}  // namespace
