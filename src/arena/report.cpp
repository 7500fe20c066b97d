#include "arena/report.h"

#include <cstdarg>
#include <cstdio>
#include <ostream>
#include <string>

#include "arena/player.h"
#include "arena/stats.h"
#include "engine/engine.h"

namespace {

std::string format(const char *pattern, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char *pattern, ...) {
    char text[256];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(text, sizeof text, pattern, args);
    va_end(args);
    return text;
}

// "ok" when a level's answers kept within its budget at the 95th
// percentile, "over" when not, "" for a baseline.
std::string budgetCheck(const std::string &player, double p95) {
    int level = playerLevel(player);
    if (level == 0)
        return "";
    return p95 <= levelBudgetMs(level) ? "ok" : "over";
}

}  // namespace

void printMatch(std::ostream &out, const MatchResult &match) {
    const MatchSetup &setup = match.setup;
    Tally t = tally(match);
    Interval interval = scoreInterval(t.score(), t.games());
    int ends[4] = {}, plies = 0;
    for (const GameRecord &game : match.games) {
        ends[game.end]++;
        plies += game.plies;
    }
    out << format("%s vs %s: %d games on %d deals from seed %u, each deal played twice "
                  "with the first move swapped, %d at a time\n",
                  setup.a.c_str(), setup.b.c_str(), setup.games, (setup.games + 1) / 2,
                  setup.seed, match.threads);
    out << format("%s: %d wins, %d draws, %d losses; score %.1f%%, 95%% Wilson interval "
                  "%.1f%% to %.1f%%\n",
                  setup.a.c_str(), t.wins, t.draws, t.losses, 100 * t.score(),
                  100 * interval.low, 100 * interval.high);
    out << format("ends: %d no pieces, %d no moves, %d fifty quiet moves, %d illegal moves; "
                  "%d plies\n",
                  ends[endNoPieces], ends[endNoMoves], ends[endFiftyMoves], t.illegal, plies);
    out << format("%-14s %12s %12s %8s\n", "answer (ms)", "median", "95th pct", "moves");
    for (bool sideA : {true, false}) {
        std::vector<double> times = answerTimes(match, sideA);
        const std::string &name = sideA ? setup.a : setup.b;
        double p95 = percentile(times, 95);
        out << format("%-14s %12.2f %12.2f %8d %s\n", name.c_str(), percentile(times, 50), p95,
                      (int)times.size(), budgetCheck(name, p95).c_str());
    }
    out << format("match took %.1f s\n", match.seconds);
}

std::vector<Goal> goalMatches(unsigned seed) {
    return {
        {{"level1", "random", 200, seed}, 0.99},
        {{"level3", "greedy", 100, seed}, 0.95},
        {{"level2", "level1", 100, seed}, 0.60},
        {{"level3", "level2", 100, seed}, 0.60},
        {{"level4", "level3", 100, seed}, 0.60},
        {{"level5", "level4", 40, seed}, 0.60},
    };
}

void printGoalTable(std::ostream &out, const std::vector<Goal> &goals,
                    const std::vector<MatchResult> &results) {
    out << format("%-18s %5s %13s %7s %15s %6s %4s  %-19s %-19s %8s\n", "match", "games",
                  "won-drawn-lost", "score", "95% Wilson", "goal", "", "first p50/p95 ms",
                  "second p50/p95 ms", "time s");
    for (size_t i = 0; i < results.size(); i++) {
        const MatchResult &match = results[i];
        Tally t = tally(match);
        Interval interval = scoreInterval(t.score(), t.games());
        std::string sides[2];
        for (int side = 0; side < 2; side++) {
            std::vector<double> times = answerTimes(match, side == 0);
            double p95 = percentile(times, 95);
            const std::string &name = side == 0 ? match.setup.a : match.setup.b;
            sides[side] = format("%.1f/%.1f %s", percentile(times, 50), p95,
                                 budgetCheck(name, p95).c_str());
        }
        std::string name = match.setup.a + " vs " + match.setup.b;
        std::string wdl = format("%d-%d-%d", t.wins, t.draws, t.losses);
        out << format("%-18s %5d %13s %6.1f%% %6.1f%%-%5.1f%% %5.0f%% %4s  %-19s %-19s %8.0f\n",
                      name.c_str(), t.games(), wdl.c_str(), 100 * t.score(), 100 * interval.low,
                      100 * interval.high, 100 * goals[i].minScore,
                      t.score() >= goals[i].minScore && t.illegal == 0 ? "met" : "not",
                      sides[0].c_str(), sides[1].c_str(), match.seconds);
    }
}
