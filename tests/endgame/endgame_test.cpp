#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <thread>
#include <vector>

#include "brute_force.h"
#include "engine/endgame.h"
#include "engine/visible.h"

namespace {

// Kinds by side and rank, black 0-6, red 7-13.
const int blackGeneral = 0, blackChariot = 3, blackHorse = 4, blackCannon = 5, blackSoldier = 6;
const int redGeneral = 7, redElephant = 9, redChariot = 10, redCannon = 12, redSoldier = 13;
const int black = 0, red = 1;

int at(const char *name) { return (name[1] - '1') * boardCols + (name[0] - 'a'); }

Visible viewOf(const std::vector<Placed> &pieces, int turn, int quietMoves) {
    return visibleFrom(gameOf(pieces, turn, quietMoves));
}

EndgameVerdict probe(const std::vector<Placed> &pieces, int turn, int quietMoves) {
    EndgameVerdict verdict;
    EXPECT_TRUE(probeEndgame(viewOf(pieces, turn, quietMoves), &verdict));
    return verdict;
}

TEST(EndgameSolver, AgreesWithBruteForceOnEveryTwoPiecePosition) {
    const int materials[][2] = {{redGeneral, blackSoldier},
                                {redCannon, blackHorse},
                                {redChariot, blackChariot},
                                {redSoldier, blackGeneral}};
    for (const auto &material : materials) {
        BruteForce brute;
        for (int a = 0; a < boardCells; a++)
            for (int b = 0; b < boardCells; b++) {
                if (a == b)
                    continue;
                std::vector<Placed> pieces = {{material[0], a}, {material[1], b}};
                for (int turn : {black, red})
                    for (int quiet : {0, 30, 47, 48, 49, 50}) {
                        Game game = gameOf(pieces, turn, quiet);
                        ASSERT_EQ(probe(pieces, turn, quiet).result, brute.result(game))
                            << "kinds " << material[0] << "," << material[1] << " cells " << a
                            << "," << b << " turn " << turn << " quiet " << quiet;
                    }
            }
    }
}

// Three pieces, searched through their captures into two-piece games.
TEST(EndgameSolver, AgreesWithBruteForceOnThreePieces) {
    const std::vector<std::vector<int>> materials = {{redGeneral, redCannon, blackSoldier},
                                                     {blackHorse, redElephant, redSoldier},
                                                     {blackCannon, blackSoldier, redChariot},
                                                     {blackHorse, blackHorse, redSoldier}};
    std::mt19937 random(7);
    for (const auto &kinds : materials) {
        BruteForce brute;
        for (int trial = 0; trial < 60; trial++) {
            std::vector<Placed> pieces = randomPlacement(kinds, random);
            int turn = random() % 2, quiet = 42 + random() % 9;
            ASSERT_EQ(probe(pieces, turn, quiet).result, brute.result(gameOf(pieces, turn, quiet)))
                << "trial " << trial << " turn " << turn << " quiet " << quiet;
        }
    }
}

// Four pieces: the quiet moves searched, captures read from the smaller
// tables the tests above check (searching through them takes too long).
TEST(EndgameSolver, AgreesWithBruteForceOnFourPiecesAcrossCaptures) {
    const std::vector<std::vector<int>> materials = {
        {blackCannon, blackSoldier, redChariot, redSoldier},
        {blackSoldier, blackSoldier, redCannon, redCannon}};
    std::mt19937 random(11);
    for (const auto &kinds : materials) {
        BruteForce brute(4);
        for (int trial = 0; trial < 60; trial++) {
            std::vector<Placed> pieces = randomPlacement(kinds, random);
            int turn = random() % 2, quiet = 45 + random() % 6;
            ASSERT_EQ(probe(pieces, turn, quiet).result,
                      brute.result(gameOf(pieces, turn, quiet)))
                << "trial " << trial << " turn " << turn << " quiet " << quiet;
        }
    }
}

// Every verdict is the best of its moves' verdicts, one ply deep over the
// rules' moves: at any count of quiet moves, where the searches above
// reach only the last few.
TEST(EndgameSolver, EachVerdictFollowsFromItsMoves) {
    const std::vector<std::vector<int>> materials = {
        {blackChariot, blackChariot, redSoldier, redSoldier},
        {blackCannon, blackSoldier, redChariot, redSoldier},
        {redGeneral, redCannon, blackSoldier}};
    std::mt19937 random(13);
    for (const auto &kinds : materials)
        for (int trial = 0; trial < 1500; trial++) {
            std::vector<Placed> pieces = randomPlacement(kinds, random);
            Game game = gameOf(pieces, random() % 2, random() % (quietMoveLimit + 1));
            EndgameVerdict verdict;
            ASSERT_TRUE(probeEndgame(visibleFrom(game), &verdict));
            int expected = -1;
            if (gameEnd(&game) == endFiftyMoves) {
                expected = 0;
            } else {
                Move moves[maxMoves];
                int count = legalMoves(&game, moves);
                for (int i = 0; i < count; i++) {
                    Game next = game;
                    applyMove(&next, moves[i]);
                    EndgameVerdict reply = {-1, 0, moves[i]};
                    if (hasPieces(&next, next.turn))
                        probeEndgame(visibleFrom(next), &reply);
                    expected = std::max(expected, -reply.result);
                }
            }
            ASSERT_EQ(verdict.result, expected) << "trial " << trial;
            EndgameVerdict value;
            ASSERT_TRUE(probeEndgameValue(visibleFrom(game), &value));
            EXPECT_EQ(value.result, verdict.result);
            EXPECT_EQ(value.plies, verdict.plies);
        }
}

// Both sides playing the solver's best: each move is legal, a decided game
// ends as foretold after exactly the plies foretold, and a draw stays one.
TEST(EndgameSolver, BestMovesPlayOutTheVerdict) {
    const std::vector<std::vector<int>> materials = {
        {redChariot, blackHorse},
        {redGeneral, redCannon, blackSoldier},
        {blackCannon, blackSoldier, redChariot, redSoldier}};
    std::mt19937 random(3);
    int decided = 0;
    for (const auto &kinds : materials)
        for (int trial = 0; trial < 40; trial++) {
            std::vector<Placed> pieces = randomPlacement(kinds, random);
            Game game = gameOf(pieces, random() % 2, random() % 40);
            EndgameVerdict first;
            probeEndgame(visibleFrom(game), &first);
            int loser = first.result > 0 ? 1 - game.turn : game.turn;
            int plies = 0;
            EndgameVerdict verdict = first;
            while (gameEnd(&game) == endNone && plies < (first.result ? first.plies : 6)) {
                ASSERT_EQ(checkMove(&game, verdict.best), moveAllowed);
                applyMove(&game, verdict.best);
                plies++;
                if (gameEnd(&game) != endNone)
                    break;
                EndgameVerdict next;
                ASSERT_TRUE(probeEndgame(visibleFrom(game), &next));
                ASSERT_EQ(next.result, -verdict.result) << "trial " << trial << " ply " << plies;
                    if (first.result) {
                    ASSERT_EQ(next.plies, verdict.plies - 1);
                }
                verdict = next;
            }
            if (first.result == 0)
                continue;
            decided++;
            EXPECT_EQ(plies, first.plies);
            EndReason end = gameEnd(&game);
            EXPECT_TRUE(end == endNoPieces || end == endNoMoves) << "trial " << trial;
            EXPECT_EQ(game.turn, loser);
        }
    EXPECT_GT(decided, 20);
}

// The general cannot take a soldier and the soldier is never without a
// move, so a general alone never beats a lone soldier.
TEST(EndgameSolver, GeneralNeverBeatsLoneSoldier) {
    for (int a = 0; a < boardCells; a++)
        for (int b = 0; b < boardCells; b++)
            if (a != b)
                for (int turn : {black, red}) {
                    std::vector<Placed> pieces = {{redGeneral, a}, {blackSoldier, b}};
                    int result = probe(pieces, turn, 0).result;
                    EXPECT_NE(turn == red ? result : -result, 1) << a << "," << b;
                }
}

TEST(EndgameSolver, CannonJumpsOverAScreenFromAfar) {
    // Red cannon a1, its own soldier c1 as the screen, the black general g1.
    std::vector<Placed> pieces = {
        {redCannon, at("a1")}, {redSoldier, at("c1")}, {blackGeneral, at("g1")}};
    EndgameVerdict verdict = probe(pieces, red, 0);
    EXPECT_EQ(verdict.result, 1);
    EXPECT_EQ(verdict.plies, 1);
    EXPECT_EQ(verdict.best.kind, moveCapture);
    EXPECT_EQ(verdict.best.from, at("a1"));
    EXPECT_EQ(verdict.best.to, at("g1"));
}

// Black's cannon in the corner can be shut in by two red soldiers, which
// cannot take it; the shutting step wins only while it is not the
// fiftieth quiet move, which draws first.
TEST(EndgameSolver, ShuttingInOnTheFiftiethQuietMoveDraws) {
    std::vector<Placed> pieces = {
        {blackCannon, at("a1")}, {redSoldier, at("b1")}, {redSoldier, at("a3")}};
    EndgameVerdict verdict = probe(pieces, red, quietMoveLimit - 2);
    EXPECT_EQ(verdict.result, 1);
    EXPECT_EQ(verdict.plies, 1);
    EXPECT_EQ(verdict.best.from, at("a3"));
    EXPECT_EQ(verdict.best.to, at("a2"));
    EXPECT_EQ(probe(pieces, red, quietMoveLimit - 1).result, 0);
    BruteForce brute;
    EXPECT_EQ(brute.result(gameOf(pieces, red, quietMoveLimit - 1)), 0);
}

// A chase that needs n moves is decided with n left before the quiet-move
// draw and drawn with one fewer, whichever side is to move.
TEST(EndgameSolver, TooFewQuietMovesLeftTurnAWinIntoADraw) {
    struct Case {
        std::vector<Placed> pieces;
        int turn;
    };
    const Case cases[] = {
        {{{redChariot, at("a1")}, {blackHorse, at("c1")}}, black},
        {{{redGeneral, at("a1")}, {blackChariot, at("d1")}}, red},
        {{{redSoldier, at("a1")}, {blackGeneral, at("c1")}}, black},
    };
    for (const Case &c : cases) {
        EndgameVerdict fresh = probe(c.pieces, c.turn, 0);
        ASSERT_NE(fresh.result, 0);
        // One capture ends these games: the steps and the capture are all
        // the plies, and each counts against the allowance.
        int needed = fresh.plies;
        EXPECT_GT(needed, 10);
        EXPECT_EQ(probe(c.pieces, c.turn, quietMoveLimit - needed).result, fresh.result);
        EXPECT_EQ(probe(c.pieces, c.turn, quietMoveLimit - needed + 1).result, 0);
    }
}

TEST(EndgameSolver, CoversOnlySettledFaceUpPositionsOfFewPieces) {
    std::vector<Placed> two = {{redChariot, 0}, {blackHorse, 9}};
    Visible covered = viewOf(two, red, 0);
    EXPECT_TRUE(endgameCovered(covered));

    Visible hidden = covered;
    hidden.cell[20] = cellHidden;
    Visible unsettled = covered;
    unsettled.turn = noSide;
    Visible garbled = covered;
    garbled.cell[20] = kindCount;
    Visible five = viewOf({{redChariot, 0}, {blackHorse, 9}, {redSoldier, 10},
                           {blackSoldier, 11}, {redCannon, 12}},
                          red, 0);
    Visible alone = viewOf({{redChariot, 0}}, black, 0);
    for (const Visible *view : {&hidden, &unsettled, &garbled, &five, &alone}) {
        EXPECT_FALSE(endgameCovered(*view));
        EndgameVerdict verdict;
        EXPECT_FALSE(probeEndgame(*view, &verdict));
    }
}

// Several threads probing a material none has built yet all read the same
// verdicts (and, under the sanitizers, touch no table half built).
TEST(EndgameSolver, ConcurrentFirstProbesOfAMaterialAgree) {
    const std::vector<int> kinds = {blackChariot, blackSoldier, redCannon};
    std::mt19937 random(5);
    std::vector<Visible> views;
    for (int i = 0; i < 50; i++)
        views.push_back(viewOf(randomPlacement(kinds, random), random() % 2, random() % 50));
    std::vector<std::vector<int>> results(4);
    std::vector<std::thread> threads;
    for (auto &mine : results)
        threads.emplace_back([&views, &mine] {
            for (const Visible &view : views) {
                EndgameVerdict verdict;
                probeEndgame(view, &verdict);
                mine.push_back(verdict.result * 1000 + verdict.plies);
            }
        });
    for (std::thread &thread : threads)
        thread.join();
    for (const auto &mine : results)
        EXPECT_EQ(mine, results[0]);
}

}  // namespace
