#include "suite.h"

#include <random>

#include "brute_force.h"
#include "engine/endgame.h"

namespace {

// A kind within the set: no more of it on the board than the set holds.
int drawKind(int side, const int onBoard[kindCount], std::mt19937 &random) {
    for (;;) {
        int kind = kindOf(side, random() % rankCount);
        if (onBoard[kind] < setCount(kindRank(kind)))
            return kind;
    }
}

bool sameView(const Visible &a, const Visible &b) {
    for (int cell = 0; cell < boardCells; cell++)
        if (a.cell[cell] != b.cell[cell])
            return false;
    return a.turn == b.turn && a.quietMoves == b.quietMoves;
}

}  // namespace

Visible settledView(const Game &game) {
    Visible view = visibleFrom(game);
    for (int kind = 0; kind < kindCount; kind++)
        view.captured[kind] = setCount(kindRank(kind));
    for (int cell = 0; cell < boardCells; cell++)
        if (view.cell[cell] >= 0)
            view.captured[view.cell[cell]]--;
    return view;
}

std::vector<Visible> wonEndgames(const SuiteOptions &options) {
    static const int sizes[5] = {2, 3, 3, 4, 4};
    std::mt19937 random(options.seed);
    std::vector<Visible> suite;
    while (int(suite.size()) < options.count) {
        // A material, then placements of it until one is won: one table
        // built for each position.
        int pieces = sizes[suite.size() % 5];
        int reds = 1 + random() % (pieces - 1);
        int onBoard[kindCount] = {};
        std::vector<int> kinds;
        for (int i = 0; i < pieces; i++) {
            kinds.push_back(drawKind(i < reds ? 1 : 0, onBoard, random));
            onBoard[kinds.back()]++;
        }
        for (int attempt = 0; attempt < 200; attempt++) {
            std::vector<Placed> placed = randomPlacement(kinds, random);
            int turn = random() % 2;
            int quiet = random() % (quietMoveLimit - 5);
            Visible view = settledView(gameOf(placed, turn, quiet));
            EndgameVerdict verdict;
            if (!probeEndgame(view, &verdict) || verdict.result != 1 ||
                verdict.plies < options.minPlies || verdict.plies > options.maxPlies)
                continue;
            bool repeated = false;
            for (const Visible &known : suite)
                repeated = repeated || sameView(known, view);
            if (!repeated) {
                suite.push_back(view);
                break;
            }
        }
    }
    return suite;
}

Conversion playOut(Engine &engine, const Visible &start, const SearchLimits &limits) {
    std::vector<Placed> placed;
    for (int cell = 0; cell < boardCells; cell++)
        if (start.cell[cell] >= 0)
            placed.push_back({start.cell[cell], cell});
    Game game = gameOf(placed, start.turn, start.quietMoves);
    int winner = start.turn;
    engine.newGame();
    Conversion result = {false, false, 0};
    // The quiet-move rule and the captures bound the game.
    while (gameEnd(&game) == endNone) {
        Visible view = settledView(game);
        Move move;
        if (game.turn == winner) {
            move = engine.think(view, limits).best;
        } else {
            EndgameVerdict verdict;
            probeEndgame(view, &verdict);
            move = verdict.best;
        }
        if (checkMove(&game, move) != moveAllowed) {
            result.illegal = true;
            return result;
        }
        applyMove(&game, move);
        result.plies++;
    }
    EndReason end = gameEnd(&game);
    result.converted = end != endFiftyMoves && game.turn != winner;
    return result;
}
