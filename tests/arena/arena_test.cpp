#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "arena/baselines.h"
#include "arena/match.h"
#include "arena/report.h"
#include "arena/stats.h"
#include "protocol/notation.h"
#include "protocol/stand_in.h"

namespace {

Game gameAt(const std::string &text) {
    std::istringstream in(text);
    std::vector<std::string> fields;
    for (std::string field; in >> field;)
        fields.push_back(field);
    Visible view;
    std::string why;
    EXPECT_TRUE(parsePosition(fields, &view, &why)) << why;
    return standInGame(view);
}

void expectCompleted(const MatchResult &match) {
    for (const GameRecord &game : match.games) {
        EXPECT_FALSE(game.illegal);
        EXPECT_NE(game.end, endNone);
        EXPECT_GT(game.plies, 0);
        // The players alternate, the first player first.
        EXPECT_EQ(game.msA.size() + game.msB.size(), (size_t)game.plies);
        long lead = (long)game.msA.size() - (long)game.msB.size();
        EXPECT_TRUE(lead >= -1 && lead <= 1) << lead;
    }
}

// The suite's whole path through the engine: a few games at level 1,
// checked for legal, finished games and the printed figures, never for
// strength or speed.
TEST(Arena, AShortMatchOfTheEngineAgainstTheRandomMover) {
    MatchResult match = playMatch(MatchSetup{"level1", "random", 4, 11}, 2);
    ASSERT_EQ(match.games.size(), 4u);
    expectCompleted(match);
    std::ostringstream out;
    printMatch(out, match);
    const char *expected[] = {
        "level1 vs random: 4 games on 2 deals from seed 11, each deal played twice with the "
        "first move swapped, 2 at a time\n",
        "level1: [0-9]+ wins, [0-9]+ draws, [0-9]+ losses; score [0-9.]+%, 95% Wilson interval "
        "[0-9.]+% to [0-9.]+%\n",
        "ends: [0-9]+ no pieces, [0-9]+ no moves, [0-9]+ fifty quiet moves, 0 illegal moves; "
        "[0-9]+ plies\n",
        "answer \\(ms\\) +median +95th pct +moves\n",
        "level1 +[0-9.]+ +[0-9.]+ +[0-9]+ (ok|over)\n",
        "random +[0-9.]+ +[0-9.]+ +[0-9]+ \n",
        "match took [0-9.]+ s\n",
    };
    std::string pattern;
    for (const char *line : expected)
        pattern += line;
    EXPECT_TRUE(std::regex_match(out.str(), std::regex(pattern))) << out.str();
}

// Deals come from the main thread and each game seeds its own baseline,
// so the same seed gives the same games however many threads play them.
TEST(Arena, TheSameSeedPlaysTheSameGamesOnAnyNumberOfThreads) {
    MatchSetup setup{"greedy", "random", 10, 3};
    MatchResult one = playMatch(setup, 1), two = playMatch(setup, 2);
    expectCompleted(two);
    for (size_t i = 0; i < one.games.size(); i++) {
        EXPECT_EQ(one.games[i].result, two.games[i].result) << i;
        EXPECT_EQ(one.games[i].plies, two.games[i].plies) << i;
    }
}

TEST(Arena, TheGreedyMoverTakesTheMostValuablePiece) {
    // Red's chariot may take a soldier (b1) or a horse (a2): the horse.
    Game game = gameAt("Rp6/n7/8/8 r 0 KGGMMRNNCCPPPPPkggmmrrnccpppp");
    GreedyMover greedy(1);
    for (int i = 0; i < 20; i++) {
        Move move = greedy.choose(game);
        EXPECT_EQ(moveText(move), "a1a2");
    }
    // With nothing to take it still moves legally.
    game = gameAt("R7/8/8/7n r 0 KGGMMRNNCCPPPPPkggmmrrnccppppp");
    Move move = greedy.choose(game);
    EXPECT_EQ(checkMove(&game, move), moveAllowed);
}

TEST(ArenaStats, ScoreIntervalsAndPercentiles) {
    struct {
        double score;
        int games;
        double low, high;
    } intervals[] = {
        {0.5, 100, 0.4038, 0.5962},
        {1.0, 200, 0.9812, 1.0},
        {0.0, 10, 0.0, 0.2775},
        {0.95, 100, 0.8883, 0.9785},
    };
    for (const auto &c : intervals) {
        Interval interval = scoreInterval(c.score, c.games);
        EXPECT_NEAR(interval.low, c.low, 5e-4) << c.score << "/" << c.games;
        EXPECT_NEAR(interval.high, c.high, 5e-4) << c.score << "/" << c.games;
    }
    std::vector<double> values = {5, 1, 4, 2, 3, 6, 7, 8, 9, 10};
    EXPECT_EQ(percentile(values, 50), 5);
    EXPECT_EQ(percentile(values, 95), 10);
    EXPECT_EQ(percentile(values, 90), 9);
    EXPECT_EQ(percentile({}, 95), 0);

    MatchResult match;
    match.games.resize(4);
    match.games[0].result = 1;
    match.games[1].result = 0;
    match.games[2].result = 1;
    match.games[3].result = -1;
    Tally t = tally(match);
    EXPECT_EQ(t.wins, 2);
    EXPECT_EQ(t.draws, 1);
    EXPECT_EQ(t.losses, 1);
    EXPECT_DOUBLE_EQ(t.score(), 0.625);
}

}  // namespace
