// make endgames: the engine, as the winner, plays the suite of won
// endgames against the solver's longest defence, with the endgame solver
// left out of its search and then with it; prints how many it converts.
//
//   endgames [count [seed [level]]]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "engine/endgame.h"
#include "suite.h"

namespace {

struct Tally {
    int converted = 0;
    long plies = 0;      // played, in the converted games
    long fastest = 0;    // the solver's fastest win, in the same games
    std::vector<int> lost;
};

Tally run(const std::vector<Visible> &suite, int level, bool solver) {
    Tally tally;
    std::mutex mutex;
    std::atomic<int> next{0};
    auto worker = [&] {
        Engine engine;
        engine.setLevel(level);
        SearchLimits limits;
        limits.useEndgameSolver = solver;
        for (int i; (i = next++) < int(suite.size());) {
            EndgameVerdict verdict;
            probeEndgame(suite[i], &verdict);
            Conversion c = playOut(engine, suite[i], limits);
            std::lock_guard<std::mutex> lock(mutex);
            if (c.converted) {
                tally.converted++;
                tally.plies += c.plies;
                tally.fastest += verdict.plies;
            } else {
                tally.lost.push_back(i);
            }
        }
    };
    int threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; t++)
        pool.emplace_back(worker);
    for (std::thread &t : pool)
        t.join();
    std::sort(tally.lost.begin(), tally.lost.end());
    return tally;
}

void describe(const Visible &view) {
    static const char letters[] = "kgmrncpKGMRNCP";
    for (int cell = 0; cell < boardCells; cell++)
        if (view.cell[cell] >= 0)
            std::printf(" %c%c%d", letters[view.cell[cell]], 'a' + cell % boardCols,
                        cell / boardCols + 1);
    EndgameVerdict verdict;
    probeEndgame(view, &verdict);
    std::printf(" %s to move, %d quiet; wins in %d plies", view.turn ? "red" : "black",
                view.quietMoves, verdict.plies);
}

}  // namespace

int main(int argc, char **argv) {
    SuiteOptions options;
    if (argc > 1)
        options.count = std::atoi(argv[1]);
    if (argc > 2)
        options.seed = std::atoi(argv[2]);
    int level = argc > 3 ? std::atoi(argv[3]) : levelDefault;

    auto clock = std::chrono::steady_clock::now();
    std::vector<Visible> suite = wonEndgames(options);
    double tablesS =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - clock).count();
    int bySize[endgameMaxPieces + 1] = {};
    long fastest = 0;
    std::set<std::vector<int>> materials;
    for (const Visible &view : suite) {
        std::vector<int> material(kindCount);
        int pieces = 0;
        for (int cell = 0; cell < boardCells; cell++)
            if (view.cell[cell] >= 0) {
                pieces++;
                // By winner and loser, so that colours do not count.
                material[(view.cell[cell] + (view.turn ? 0 : rankCount)) % kindCount]++;
            }
        materials.insert(material);
        bySize[pieces]++;
        EndgameVerdict verdict;
        probeEndgame(view, &verdict);
        fastest += verdict.plies;
    }
    std::printf("suite: %d won endgames (seed %u): %d of 2 pieces, %d of 3, %d of 4, "
                "%d materials; fastest win %.1f plies on average; generated with their "
                "tables in %.1f s\n",
                int(suite.size()), options.seed, bySize[2], bySize[3], bySize[4],
                int(materials.size()), double(fastest) / suite.size(), tablesS);
    std::fflush(stdout);

    for (bool solver : {false, true}) {
        clock = std::chrono::steady_clock::now();
        Tally tally = run(suite, level, solver);
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - clock).count();
        std::printf("level %d, endgame solver %s: converted %d of %d (%.1f%%), "
                    "%.2f times the fastest win's plies, %.0f s\n",
                    level, solver ? "on " : "off", tally.converted, int(suite.size()),
                    100.0 * tally.converted / suite.size(),
                    tally.fastest ? double(tally.plies) / tally.fastest : 0.0, seconds);
        for (int i : tally.lost) {
            std::printf("  not converted: #%d", i);
            describe(suite[i]);
            std::printf("\n");
        }
        std::fflush(stdout);
    }
    return 0;
}
