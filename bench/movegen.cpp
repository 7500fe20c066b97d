// Move generation: how many moves a second the engine's generator lists
// against the rules module's legalMoves, over the same fixed corpus of
// positions from seeded random games, measured in the same run.
#include <algorithm>
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

// Positions timed together, and how often each generator lists them in
// turn. A busy machine (others build on it) stretches some rounds by whole
// time slices, so each chunk's fastest round counts: the generator's own
// speed, its data in the cache as a search's would be.
const size_t chunk = 250;
const int rounds = 5;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main() {
    std::vector<Game> positions = corpus();
    std::printf("corpus: %zu positions from %u seeded random games\n", positions.size(),
                corpusGames);
    // The engine lists the moves of positions it built from what the side
    // to move sees, as it does in its search.
    std::vector<Position> built(positions.size());
    for (size_t i = 0; i < positions.size(); i++)
        built[i].set(visibleFrom(positions[i]));

    double rulesSeconds = 0, engineSeconds = 0;
    long rulesMoves = 0, engineMoves = 0;
    Move moves[maxMoves];
    for (size_t first = 0; first < positions.size(); first += chunk) {
        size_t last = std::min(first + chunk, positions.size());
        double rulesBest = 1e9, engineBest = 1e9;
        long rulesListed = 0, engineListed = 0;
        for (int round = 0; round < rounds; round++) {
            Clock::time_point start = Clock::now();
            rulesListed = 0;
            for (size_t i = first; i < last; i++)
                rulesListed += legalMoves(&positions[i], moves);
            rulesBest = std::min(rulesBest, secondsSince(start));

            start = Clock::now();
            engineListed = 0;
            for (size_t i = first; i < last; i++)
                engineListed += generateMoves(built[i], moves);
            engineBest = std::min(engineBest, secondsSince(start));
        }
        rulesSeconds += rulesBest;
        engineSeconds += engineBest;
        rulesMoves += rulesListed;
        engineMoves += engineListed;
    }
    double rules = rulesMoves / rulesSeconds, engine = engineMoves / engineSeconds;
    std::printf("legalMoves:    %14.0f moves/s\n", rules);
    std::printf("generateMoves: %14.0f moves/s\n", engine);
    std::printf("ratio: %.1fx (%ld moves; each chunk of %zu positions the fastest of %d rounds)\n",
                engine / rules, rulesMoves, chunk, rounds);
    if (engineMoves != rulesMoves) {
        std::printf("the generators disagree: %ld moves against %ld\n", engineMoves, rulesMoves);
        return 1;
    }
    return 0;
}
