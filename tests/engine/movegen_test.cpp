// The bitboard generator against the rules module's legalMoves, position
// by position through seeded random games, and the incrementally updated
// position against one built afresh from the same view.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

#include "engine/movegen.h"
#include "engine/position.h"
#include "engine/visible.h"
#include "random_games.h"

namespace {

using MoveSet = std::vector<std::tuple<int, int, int>>;

MoveSet sorted(const Move *moves, int count) {
    MoveSet set;
    for (int i = 0; i < count; i++)
        set.emplace_back(moves[i].kind, moves[i].from, moves[i].to);
    std::sort(set.begin(), set.end());
    return set;
}

// What the corpus went through, so a change to the games that stops
// covering a case shows.
struct Coverage {
    int positions = 0;
    int jumpsOverFaceDown = 0;
    int jumpsOverFaceUp = 0;
    int noMoves = 0;  // rare in random games: see the cornered cases below
    int noPieces = 0;
    int fifty = 0;
};

void countJumps(const Game &game, const Move *moves, int count, Coverage *seen) {
    for (int i = 0; i < count; i++) {
        const Move &m = moves[i];
        if (m.kind != moveCapture || (neighbours(m.from) & bitOf(m.to)))
            continue;
        int step = m.to / boardCols == m.from / boardCols ? (m.to > m.from ? 1 : -1)
                                                          : (m.to > m.from ? boardCols : -boardCols);
        for (int cell = m.from + step; cell != m.to; cell += step)
            if (game.piece[cell] != noPiece)
                (game.faceUp[cell] ? seen->jumpsOverFaceUp : seen->jumpsOverFaceDown)++;
    }
}

void expectSamePosition(const Position &a, const Position &b) {
    for (int kind = 0; kind < kindCount; kind++) {
        ASSERT_EQ(a.byKind[kind], b.byKind[kind]) << "kind " << kind;
        ASSERT_EQ(a.pool[kind], b.pool[kind]) << "kind " << kind;
    }
    ASSERT_EQ(a.bySide[0], b.bySide[0]);
    ASSERT_EQ(a.bySide[1], b.bySide[1]);
    ASSERT_EQ(a.hidden, b.hidden);
    ASSERT_EQ(a.occupied, b.occupied);
    ASSERT_EQ(a.poolTotal, b.poolTotal);
    ASSERT_EQ(a.turn, b.turn);
    ASSERT_EQ(a.quietMoves, b.quietMoves);
    ASSERT_EQ(a.key, b.key);
}

TEST(MoveGeneration, ListsExactlyTheLegalMovesThroughRandomGames) {
    std::mt19937 rng(20261211);
    Coverage seen;
    for (int gameIndex = 0; gameIndex < 120; gameIndex++) {
        Game game;
        dealGame(&game, rng);
        Position played;
        played.set(visibleFrom(game));
        // Some games take every capture they can, so that sides run out of
        // pieces; others rarely do, so that the quiet-move rule ends them.
        double captureBias = gameIndex % 3 == 0 ? 0.1 : 0.9;
        for (;;) {
            Visible view = visibleFrom(game);
            Position pos;
            pos.set(view);
            ASSERT_NO_FATAL_FAILURE(expectSamePosition(played, pos));

            Move expected[maxMoves], actual[maxMoves];
            int expectedCount = legalMoves(&game, expected);
            int actualCount = generateMoves(pos, actual);
            seen.positions++;
            ASSERT_EQ(sorted(actual, actualCount), sorted(expected, expectedCount))
                << "game " << gameIndex << " position " << seen.positions;
            int captureCount = generateCaptures(pos, actual);
            int expectedCaptures = 0;
            for (int i = 0; i < expectedCount; i++)
                expectedCaptures += expected[i].kind == moveCapture;
            ASSERT_EQ(captureCount, expectedCaptures);
            for (int i = 0; i < captureCount; i++)
                ASSERT_EQ(actual[i].kind, moveCapture);
            ASSERT_EQ(hasMoves(pos), expectedCount > 0);
            countJumps(game, expected, expectedCount, &seen);

            EndReason end = gameEnd(&game);
            if (end != endNone) {
                seen.noMoves += end == endNoMoves;
                seen.noPieces += end == endNoPieces;
                seen.fifty += end == endFiftyMoves;
                break;
            }
            Move move = randomMove(game, rng, captureBias);
            applyMove(&game, move);
            if (move.kind == moveFlip)
                played.reveal(move.from, kindOn(game, move.from));
            else
                played.play(move);
        }
    }
    EXPECT_GT(seen.positions, 10000);
    EXPECT_GT(seen.jumpsOverFaceDown, 0);
    EXPECT_GT(seen.jumpsOverFaceUp, 0);
    EXPECT_GT(seen.noPieces, 0);
    EXPECT_GT(seen.fifty, 0);
}

// Positions where the side to move has pieces but no move: nothing face
// down, every piece hemmed in by pieces it may not take.
struct CorneredCase {
    const char *name;
    // Rows 0 and 1, columns a-h; the rest of the board is empty. Capitals
    // are red (to move), lower case black: k general, g advisor, r
    // chariot, n horse, c cannon, p soldier; '.' empty.
    const char *rows[2];
};

const CorneredCase corneredCases[] = {
    {"horse in the corner", {"Nk......", "g......."}},
    {"cannon with nothing to jump to", {"Ck......", "g......."}},
    {"general walled in by soldiers", {"Kp......", "p......."}},
    {"two pieces blocking each other", {"NCk.....", "gg......"}},
};

int kindOfLetter(char letter) {
    static const char letters[] = "kgmrncp";
    int side = letter >= 'A' && letter <= 'Z' ? 1 : 0;
    char lower = char(side ? letter - 'A' + 'a' : letter);
    for (int rank = 0; rank < rankCount; rank++)
        if (letters[rank] == lower)
            return kindOf(side, rank);
    return -1;
}

TEST(MoveGeneration, NoMovesWhenEveryPieceIsHemmedIn) {
    for (const CorneredCase &c : corneredCases) {
        Visible view{};
        for (int cell = 0; cell < boardCells; cell++)
            view.cell[cell] = cellEmpty;
        int pool[kindCount];
        for (int kind = 0; kind < kindCount; kind++)
            pool[kind] = setCount(kindRank(kind));
        for (int row = 0; row < 2; row++)
            for (int col = 0; col < boardCols; col++) {
                int kind = kindOfLetter(c.rows[row][col]);
                if (kind >= 0) {
                    view.cell[row * boardCols + col] = kind;
                    pool[kind]--;
                }
            }
        // Everything not on the board was taken.
        for (int kind = 0; kind < kindCount; kind++)
            view.captured[kind] = pool[kind];
        view.turn = 1;
        view.quietMoves = 0;
        const char *why = "";
        ASSERT_TRUE(consistent(view, &why)) << c.name << ": " << why;
        Position pos;
        pos.set(view);
        Move moves[maxMoves];
        EXPECT_EQ(generateMoves(pos, moves), 0) << c.name;
        EXPECT_FALSE(hasMoves(pos)) << c.name;
        EXPECT_TRUE(pos.hasPieces(1)) << c.name;
    }
}

}  // namespace
