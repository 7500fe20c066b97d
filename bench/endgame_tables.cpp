// How long the endgame solver takes to build a material's table, its
// smaller tables already built: every material of two and three pieces,
// and a seeded sample of four-piece ones. Processor time of the building
// thread, and the wall-clock time around it. Then how long a probe of a
// built table takes, its best move included.
//
//   bench_endgame [four-piece materials [seed]]
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "engine/endgame.h"
#include "engine/endgame_table.h"

namespace {

using namespace endgame;

double threadMs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Timing {
    double cpuMs;
    double wallMs;
};

// Builds the smaller tables first, so the timing is this table's alone.
Timing timeTable(int count, int kind[]) {
    int turn = 0, cell[endgameMaxPieces] = {};
    canonicalise(count, kind, cell, &turn);
    for (int skip = 0; skip < count && count > 2; skip++) {
        int smaller[endgameMaxPieces], k = 0;
        for (int i = 0; i < count; i++)
            if (i != skip)
                smaller[k++] = kind[i];
        bool sides[2] = {};
        for (int i = 0; i < k; i++)
            sides[kindSide(smaller[i])] = true;
        if (sides[0] && sides[1]) {
            canonicalise(k, smaller, cell, &turn);
            tableFor(materialOf(k, smaller));
        }
    }
    double cpu = threadMs();
    auto wall = std::chrono::steady_clock::now();
    tableFor(materialOf(count, kind));
    return {threadMs() - cpu,
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall)
                .count()};
}

void report(const char *what, std::vector<Timing> timings) {
    if (timings.empty())
        return;
    auto by = [](double Timing::*field) {
        return [field](const Timing &a, const Timing &b) { return a.*field < b.*field; };
    };
    double cpuSum = 0;
    for (const Timing &t : timings)
        cpuSum += t.cpuMs;
    std::sort(timings.begin(), timings.end(), by(&Timing::cpuMs));
    double cpuMedian = timings[timings.size() / 2].cpuMs, cpuMax = timings.back().cpuMs;
    std::sort(timings.begin(), timings.end(), by(&Timing::wallMs));
    std::printf("%-22s %4zu tables: processor mean %6.2f ms, median %6.2f, max %6.2f; "
                "wall median %6.2f, max %6.2f\n",
                what, timings.size(), cpuSum / timings.size(), cpuMedian, cpuMax,
                timings[timings.size() / 2].wallMs, timings.back().wallMs);
}

}  // namespace

int main(int argc, char **argv) {
    int fours = argc > 1 ? std::atoi(argv[1]) : 40;
    unsigned seed = argc > 2 ? std::atoi(argv[2]) : 1;
    std::vector<Timing> two, three, four;
    for (int a = 0; a < rankCount; a++)
        for (int b = rankCount; b < kindCount; b++) {
            int kind[2] = {a, b};
            two.push_back(timeTable(2, kind));
        }
    // Two black pieces against one red: the colour-swapped materials are
    // the same tables.
    for (int a = 0; a < rankCount; a++)
        for (int b = a; b < rankCount; b++)
            for (int c = rankCount; c < kindCount; c++) {
                int kind[3] = {a, b, c};
                three.push_back(timeTable(3, kind));
            }
    std::mt19937 random(seed);
    for (int i = 0; i < fours; i++) {
        int blacks = 1 + random() % 3;
        int kind[4];
        for (int k = 0; k < 4; k++)
            kind[k] = (k < blacks ? 0 : rankCount) + random() % rankCount;
        four.push_back(timeTable(4, kind));
    }
    report("two pieces (all)", two);
    report("three pieces (all)", three);
    report("four pieces (sample)", four);

    // Four-piece views of the sampled materials' kinds, the first one's.
    std::vector<Visible> views;
    while (views.size() < 10000) {
        Visible view = {};
        for (int cell = 0; cell < boardCells; cell++)
            view.cell[cell] = cellEmpty;
        const int kind[4] = {1, 3, 8, 12};
        for (int k : kind) {
            int cell;
            do
                cell = random() % boardCells;
            while (view.cell[cell] != cellEmpty);
            view.cell[cell] = k;
        }
        view.turn = random() % 2;
        view.quietMoves = random() % quietMoveLimit;
        views.push_back(view);
    }
    EndgameVerdict verdict;
    probeEndgame(views[0], &verdict);
    double cpu = threadMs();
    auto wall = std::chrono::steady_clock::now();
    int decided = 0;
    for (const Visible &view : views) {
        probeEndgame(view, &verdict);
        decided += verdict.result != 0;
    }
    double wallUs =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - wall).count();
    double cpuUs = (threadMs() - cpu) * 1e3;
    std::printf("probe of a four-piece view, best move included: processor %.2f us, wall %.2f us "
                "(%d of %zu decided)\n",
                cpuUs / views.size(), wallUs / views.size(), decided, views.size());
    return 0;
}
