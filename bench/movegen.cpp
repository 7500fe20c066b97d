// Move generation: how many moves a second the engine's generator lists
// against the rules module's legalMoves, over the same fixed corpus of
// positions from seeded random games, measured in the same run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "engine/movegen.h"
#include "engine/position.h"
#include "engine/visible.h"
#include "game/deal.h"
#include "rules/rules.h"

namespace {

const unsigned corpusGames = 200;

// Every position before a move of corpusGames random games, deal i after
// srand(i) and its moves drawn from a generator seeded with i.
std::vector<Game> corpus() {
    std::vector<Game> positions;
    for (unsigned seed = 1; seed <= corpusGames; seed++) {
        int deal[boardCells];
        srand(seed);
        shuffle(deal, boardCells);
        Game game;
        newGame(&game, deal);
        std::mt19937 random(seed);
        Move moves[maxMoves];
        while (gameEnd(&game) == endNone) {
            positions.push_back(game);
            int count = legalMoves(&game, moves);
            applyMove(&game, moves[std::uniform_int_distribution<int>(0, count - 1)(random)]);
        }
    }
    return positions;
}

// Moves a second listed by generate over the corpus, passes repeated
// until at least a second has gone; *total gets one pass's move count,
// which both generators must agree on.
template <class Item, class Generate>
double movesPerSecond(const std::vector<Item> &positions, Generate generate, long *total) {
    using Clock = std::chrono::steady_clock;
    long moves = 0, passes = 0;
    Clock::time_point start = Clock::now();
    double seconds;
    do {
        for (const Item &position : positions)
            moves += generate(position);
        passes++;
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    } while (seconds < 1.0);
    *total = moves / passes;
    return moves / seconds;
}

}  // namespace

int main() {
    std::vector<Game> positions = corpus();
    std::printf("corpus: %zu positions from %u seeded random games\n", positions.size(),
                corpusGames);
    long rulesTotal;
    double rules = movesPerSecond(
        positions,
        [](const Game &game) {
            Move moves[maxMoves];
            return legalMoves(&game, moves);
        },
        &rulesTotal);
    // The engine lists the moves of positions it built from what the side
    // to move sees, as it does in its search.
    std::vector<Position> built(positions.size());
    for (size_t i = 0; i < positions.size(); i++)
        built[i].set(visibleFrom(positions[i]));
    long engineTotal;
    double engine = movesPerSecond(
        built,
        [](const Position &pos) {
            Move moves[maxMoves];
            return generateMoves(pos, moves);
        },
        &engineTotal);
    std::printf("legalMoves:    %14.0f moves/s (%ld moves a pass)\n", rules, rulesTotal);
    std::printf("generateMoves: %14.0f moves/s (%ld moves a pass)\n", engine, engineTotal);
    std::printf("ratio: %.1fx\n", engine / rules);
    return engineTotal == rulesTotal ? 0 : 1;
}
