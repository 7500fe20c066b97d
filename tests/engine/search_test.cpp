// The search's chance nodes against a brute-force expectimax written
// here over the rules module, and its fairness: what lies under the
// face-down pieces never changes its answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "engine/endgame.h"
#include "engine/engine.h"
#include "engine/evaluate.h"
#include "engine/position.h"
#include "engine/search.h"
#include "engine/timeman.h"
#include "engine/tt.h"
#include "engine/visible.h"
#include "game/pieces.h"
#include "random_games.h"

namespace {

// A game showing view: face-up pieces and the taken ones by kind, and the
// unseen pool's pieces under the face-down cells in some order. The moves
// of the side to move do not depend on that order.
Game gameShowing(const Visible &view) {
    std::vector<int> free[kindCount];
    for (int id = 0; id < boardCells; id++)
        free[kindOf(getColor(id), getRank(id))].push_back(id);
    auto take = [&](int kind) {
        int id = free[kind].back();
        free[kind].pop_back();
        return id;
    };
    Game game;
    game.turn = view.turn;
    game.quietMoves = view.quietMoves;
    game.deadCount = 0;
    for (int kind = 0; kind < kindCount; kind++)
        for (int i = 0; i < view.captured[kind]; i++)
            game.dead[game.deadCount++] = take(kind);
    for (int cell = 0; cell < boardCells; cell++) {
        game.piece[cell] = view.cell[cell] >= 0 ? take(view.cell[cell]) : noPiece;
        game.faceUp[cell] = view.cell[cell] >= 0;
    }
    std::vector<int> unseen;
    for (auto &ids : free)
        unseen.insert(unseen.end(), ids.begin(), ids.end());
    for (int cell = 0; cell < boardCells; cell++)
        if (view.cell[cell] == cellHidden) {
            game.piece[cell] = unseen.back();
            unseen.pop_back();
        }
    return game;
}

long long floorDiv(long long a, long long b) { return a / b - (a % b != 0 && a < 0); }

int staticValue(const Visible &view) {
    Position pos;
    pos.set(view);
    return evaluate(pos);
}

// Plain expectimax: every move, every outcome of a flip weighted by its
// share of the pool, the mean rounded down; a loss in n plies scores
// -scoreWin + n, a draw 0; evaluate() at the horizon.
int expectimax(const Visible &view, int depth, int ply) {
    Game game = gameShowing(view);
    switch (gameEnd(&game)) {
    case endNoPieces:
    case endNoMoves:
        return -scoreWin + ply;
    case endFiftyMoves:
        return 0;
    case endNone:
        break;
    }
    if (depth == 0)
        return staticValue(view);
    Move moves[maxMoves];
    int count = legalMoves(&game, moves);
    int best = -scoreWin - 1;
    for (int i = 0; i < count; i++) {
        int value;
        if (moves[i].kind == moveFlip) {
            int pool[kindCount], total = 0;
            unseenPool(view, pool);
            long long sum = 0;
            for (int kind = 0; kind < kindCount; kind++) {
                if (pool[kind] == 0)
                    continue;
                Visible next = view;
                next.cell[moves[i].from] = kind;
                next.turn = view.turn == noSide ? 1 - kindSide(kind) : 1 - view.turn;
                next.quietMoves = 0;
                sum += pool[kind] * (long long)-expectimax(next, depth - 1, ply + 1);
                total += pool[kind];
            }
            value = int(floorDiv(sum, total));
        } else {
            Game next = game;
            applyMove(&next, moves[i]);
            value = -expectimax(visibleFrom(next), depth - 1, ply + 1);
        }
        best = std::max(best, value);
    }
    return best;
}

int searchValue(const Visible &view, int depth) {
    TranspositionTable tt(12);
    SearchLimits limits;
    limits.depth = depth;
    TimeManager time(limits, levelDefault);
    SearchOptions options;
    options.exact = true;
    options.maxDepth = depth;
    Search search(tt, time, options);
    Position pos;
    pos.set(view);
    return search.run(pos, {}).score;
}

// A few face-up pieces of random kinds on random cells, a few face-down,
// the rest of the set taken.
Visible smallPosition(std::mt19937 &rng, int faceUp, int faceDown) {
    int ids[boardCells], cells[boardCells];
    for (int i = 0; i < boardCells; i++)
        ids[i] = cells[i] = i;
    std::shuffle(ids, ids + boardCells, rng);
    std::shuffle(cells, cells + boardCells, rng);
    Game game;
    for (int cell = 0; cell < boardCells; cell++) {
        game.piece[cell] = noPiece;
        game.faceUp[cell] = 0;
    }
    int used = 0;
    for (; used < faceUp + faceDown; used++) {
        game.piece[cells[used]] = ids[used];
        game.faceUp[cells[used]] = used < faceUp;
    }
    game.deadCount = 0;
    for (int i = used; i < boardCells; i++)
        game.dead[game.deadCount++] = ids[i];
    game.turn = std::uniform_int_distribution<int>(0, 1)(rng);
    // Near the quiet-move limit now and then, so draws come into play.
    int quiet = std::uniform_int_distribution<int>(0, 9)(rng);
    game.quietMoves = quiet < 3 ? quietMoveLimit - 1 - quiet : quiet;
    return visibleFrom(game);
}

TEST(ChanceNodes, SearchValueEqualsPlainExpectimax) {
    std::mt19937 rng(7);
    int compared = 0;
    for (int trial = 0; trial < 40; trial++) {
        int faceDown = 2 + trial % 2;
        Visible view = smallPosition(rng, 2 + trial % 3, faceDown);
        Game game = gameShowing(view);
        if (gameEnd(&game) != endNone)
            continue;
        for (int depth = 1; depth <= 3; depth++) {
            ASSERT_EQ(searchValue(view, depth), expectimax(view, depth, 0))
                << "trial " << trial << " depth " << depth;
            compared++;
        }
    }
    EXPECT_GT(compared, 60);
}

// Games differing only in which face-down piece lies where.
TEST(Fairness, HiddenPiecesPermutedGiveTheSameViewAndTheSameMove) {
    std::mt19937 rng(11);
    for (int trial = 0; trial < 12; trial++) {
        Game game;
        dealGame(&game, rng);
        int plies = std::uniform_int_distribution<int>(6, 40)(rng);
        for (int i = 0; i < plies && gameEnd(&game) == endNone; i++)
            applyMove(&game, randomMove(game, rng, 0.5));
        if (gameEnd(&game) != endNone)
            continue;
        Game permuted = game;
        std::vector<int> downCells;
        for (int cell = 0; cell < boardCells; cell++)
            if (game.piece[cell] != noPiece && !game.faceUp[cell])
                downCells.push_back(cell);
        std::vector<int> ids;
        for (int cell : downCells)
            ids.push_back(game.piece[cell]);
        std::shuffle(ids.begin(), ids.end(), rng);
        for (std::size_t i = 0; i < downCells.size(); i++)
            permuted.piece[downCells[i]] = ids[i];

        Visible a = visibleFrom(game), b = visibleFrom(permuted);
        ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "trial " << trial;
        SearchLimits limits;
        limits.depth = 2;
        Engine first, second;
        SearchResult ra = first.think(a, limits), rb = second.think(b, limits);
        EXPECT_EQ(ra.best.kind, rb.best.kind);
        EXPECT_EQ(ra.best.from, rb.best.from);
        EXPECT_EQ(ra.best.to, rb.best.to);
        EXPECT_EQ(ra.score, rb.score);
    }
}


// A view from rows of letters: capitals red, lower case black (k general,
// g advisor, m elephant, r chariot, n horse, c cannon, p soldier), X face
// '.' empty; the rest of the set is taken.
Visible viewOf(const char *const rows[boardRows], int turn) {
    static const char letters[] = "kgmrncp";
    Visible view{};
    int left[kindCount];
    for (int kind = 0; kind < kindCount; kind++)
        left[kind] = setCount(kindRank(kind));
    for (int cell = 0; cell < boardCells; cell++) {
        char c = rows[cell / boardCols][cell % boardCols];
        view.cell[cell] = cellEmpty;
        for (int rank = 0; rank < rankCount; rank++) {
            if (c == letters[rank])
                view.cell[cell] = kindOf(0, rank);
            else if (c == letters[rank] - 'a' + 'A')
                view.cell[cell] = kindOf(1, rank);
        }
        if (view.cell[cell] >= 0)
            left[view.cell[cell]]--;
    }
    for (int kind = 0; kind < kindCount; kind++)
        view.captured[kind] = left[kind];
    view.turn = turn;
    view.quietMoves = 0;
    return view;
}

const int red = 1;

struct TacticCase {
    const char *name;
    const char *rows[boardRows];
    Move expected;  // to is anyCell where any destination will do
};

const int anyCell = -1;

// Plain tactics a search of a few plies must get right, whatever the
// evaluation's weights: red to move.
const TacticCase tactics[] = {
    {"takes an undefended piece", {"Rn......", "........", "...k....", "K......."}, {moveCapture, 0, 1}},
    {"the cannon takes over a screen", {"C.p.g...", "........", "K.......", "......k."}, {moveCapture, 0, 4}},
    {"the soldier takes the general", {"..Pk....", "........", "g.......", "......K."}, {moveCapture, 2, 3}},
    {"saves the attacked advisor", {"........", "...G....", "...k...K", "........"}, {moveStep, 11, anyCell}},
};

TEST(Search, PlaysPlainTactics) {
    for (const TacticCase &c : tactics) {
        Visible view = viewOf(c.rows, red);
        const char *why = "";
        ASSERT_TRUE(consistent(view, &why)) << c.name << ": " << why;
        Engine engine;
        SearchLimits limits;
        limits.depth = 4;
        limits.useEndgameSolver = false;
        Move best = engine.think(view, limits).best;
        EXPECT_EQ(best.kind, c.expected.kind) << c.name;
        EXPECT_EQ(best.from, c.expected.from) << c.name;
        if (c.expected.to != anyCell) {
            EXPECT_EQ(best.to, c.expected.to) << c.name;
        }
    }
}

// One legal move, none, or a position the endgame solver knows: no search.
TEST(Search, AnswersEasyPositionsAtOnce) {
    Engine engine;
    bool searched = false;
    auto heard = [&](const SearchInfo &) { searched = true; };
    // The horse's one step: the advisor is too strong to take.
    const char *const alone[boardRows] = {"N.......", "gk......", "........", "........"};
    SearchResult one = engine.think(viewOf(alone, red), SearchLimits{}, heard);
    EXPECT_FALSE(searched);
    EXPECT_EQ(one.best.kind, moveStep);
    EXPECT_EQ(one.best.to, 1);

    // No move at all: the horse is hemmed in.
    const char *const none[boardRows] = {"Nk......", "g.......", "........", "........"};
    SearchResult over = engine.think(viewOf(none, red), SearchLimits{}, heard);
    EXPECT_FALSE(searched);
    EXPECT_EQ(over.best.from, noPiece);

    const char *const solved[boardRows] = {"R.......", "........", "...n....", "........"};
    Visible view = viewOf(solved, red);
    EndgameVerdict verdict;
    ASSERT_TRUE(probeEndgame(view, &verdict));
    SearchResult answer = engine.think(view, SearchLimits{}, heard);
    EXPECT_FALSE(searched);
    EXPECT_EQ(answer.best.from, verdict.best.from);
    EXPECT_EQ(answer.best.to, verdict.best.to);
}

}  // namespace
