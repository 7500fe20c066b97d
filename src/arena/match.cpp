#include "arena/match.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "arena/player.h"
#include "game/deal.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Plays one deal to its end; a is the first player when aFirst.
GameRecord playGame(const int deal[boardCells], Player &a, Player &b, bool aFirst) {
    GameRecord record;
    Game game;
    newGame(&game, deal);
    // The players alternate from the first flip on; the one to move when
    // the game ends by no pieces or no moves has lost.
    bool aToMove = aFirst;
    for (;;) {
        EndReason end = gameEnd(&game);
        if (end != endNone) {
            record.end = end;
            record.result = end == endFiftyMoves ? 0 : aToMove ? -1 : 1;
            return record;
        }
        Clock::time_point start = Clock::now();
        Move move = (aToMove ? a : b).choose(game);
        (aToMove ? record.msA : record.msB).push_back(millisecondsSince(start));
        if (checkMove(&game, move) != moveAllowed) {
            record.illegal = true;
            record.result = aToMove ? -1 : 1;
            return record;
        }
        applyMove(&game, move);
        record.plies++;
        aToMove = !aToMove;
    }
}

}  // namespace

MatchResult playMatch(const MatchSetup &setup, int threads) {
    MatchResult result;
    result.setup = setup;
    result.threads = threads;
    result.games.resize(setup.games);
    int deals = (setup.games + 1) / 2;
    std::vector<int> cards(deals * boardCells);
    for (int i = 0; i < deals; i++) {
        srand(setup.seed + i);
        shuffle(&cards[i * boardCells], boardCells);
    }

    Clock::time_point start = Clock::now();
    std::atomic<int> next{0};
    auto work = [&]() {
        for (int i = next++; i < setup.games; i = next++) {
            // Each game's own seed for the baselines: the same games
            // whatever thread plays them.
            unsigned seed = setup.seed * 7919u + (unsigned)i;
            std::unique_ptr<Player> a = makePlayer(setup.a, seed);
            std::unique_ptr<Player> b = makePlayer(setup.b, seed ^ 0x9e3779b9u);
            result.games[i] = playGame(&cards[(i / 2) * boardCells], *a, *b, i % 2 == 0);
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; t++)
        pool.emplace_back(work);
    work();
    for (std::thread &thread : pool)
        thread.join();
    result.seconds = millisecondsSince(start) / 1000;
    return result;
}
