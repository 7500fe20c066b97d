#include <gtest/gtest.h>

#include <cstdio>
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
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 7u) << out.str();
    EXPECT_EQ(lines[0],
              "level1 vs random: 4 games on 2 deals from seed 11, each deal played twice with "
              "the first move swapped, 2 at a time");
    int wins, draws, losses;
    double score, low, high;
    ASSERT_EQ(std::sscanf(lines[1].c_str(),
                          "level1: %d wins, %d draws, %d losses; score %lf%%, 95%% Wilson "
                          "interval %lf%% to %lf%%",
                          &wins, &draws, &losses, &score, &low, &high),
              6)
        << lines[1];
    EXPECT_EQ(wins + draws + losses, 4);
    EXPECT_TRUE(low <= score && score <= high) << lines[1];
    int noPieces, noMoves, fifty, illegal, plies;
    ASSERT_EQ(std::sscanf(lines[2].c_str(),
                          "ends: %d no pieces, %d no moves, %d fifty quiet moves, %d illegal "
                          "moves; %d plies",
                          &noPieces, &noMoves, &fifty, &illegal, &plies),
              5)
        << lines[2];
    EXPECT_EQ(noPieces + noMoves + fifty, 4);
    EXPECT_EQ(illegal, 0);
    EXPECT_EQ(lines[3].compare(0, 11, "answer (ms)"), 0) << lines[3];
    double median, p95;
    int moves;
    char verdict[8] = "";
    ASSERT_EQ(std::sscanf(lines[4].c_str(), "level1 %lf %lf %d %7s", &median, &p95, &moves, verdict),
              4)
        << lines[4];
    EXPECT_TRUE(std::string(verdict) == "ok" || std::string(verdict) == "over") << lines[4];
    ASSERT_EQ(std::sscanf(lines[5].c_str(), "random %lf %lf %d", &median, &p95, &moves), 3)
        << lines[5];
    double seconds;
    EXPECT_EQ(std::sscanf(lines[6].c_str(), "match took %lf s", &seconds), 1) << lines[6];
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

TEST(ArenaReport, TheGoalTableHasARowPerMatchWithItsVerdicts) {
    std::vector<Goal> goals = {{{"level1", "random", 4, 1}, 0.99},
                               {{"level3", "level2", 2, 1}, 0.60}};
    std::vector<MatchResult> results(2);
    for (int i = 0; i < 2; i++) {
        results[i].setup = goals[i].setup;
        results[i].games.resize(goals[i].setup.games);
        results[i].seconds = 12;
    }
    for (GameRecord &game : results[0].games) {
        game.result = 1;
        game.msA = {5, 10, 15};    // level 1's budget is 20 ms
        game.msB = {0.01};
    }
    results[1].games[0].result = 1;
    results[1].games[1].result = -1;
    results[1].games[0].msA = {250, 900};  // over level 3's 300 ms
    results[1].games[0].msB = {50};

    std::ostringstream out;
    printGoalTable(out, goals, results);
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u) << out.str();
    EXPECT_EQ(lines[0].compare(0, 5, "match"), 0) << lines[0];
    EXPECT_NE(lines[1].find("level1 vs random"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find(" 4-0-0 "), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find(" met "), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("10.0/15.0 ok"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find(" 1-0-1 "), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find(" not "), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("250.0/900.0 over"), std::string::npos) << lines[2];
    EXPECT_NE(lines[2].find("50.0/50.0 ok"), std::string::npos) << lines[2];
}
