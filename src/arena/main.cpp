// banqi-arena: plays a match between two players and prints its figures,
// or with "goals" the matches that measure the engine, as one table.
//   banqi-arena <a> <b> [games] [seed] [threads]
//   banqi-arena goals [seed] [threads] [percent]
// percent scales every goal match's games, for a quicker, rougher table.
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <string>

#include "arena/match.h"
#include "arena/player.h"
#include "arena/report.h"

namespace {

int usage() {
    std::cerr << "usage: banqi-arena <a> <b> [games] [seed] [threads]\n"
                 "       banqi-arena goals [seed] [threads] [percent]\n"
                 "players: level1 to level5, random, greedy\n";
    return 2;
}

// argv[at] as a number in range, or fallback when absent; false when
// present and not such a number.
bool numberArgument(int argc, char **argv, int at, int min, int max, int fallback,
                    int *value) {
    *value = fallback;
    if (at >= argc)
        return true;
    char *end;
    errno = 0;
    long read = std::strtol(argv[at], &end, 10);
    if (errno != 0 || end == argv[at] || *end != '\0' || read < min || read > max)
        return false;
    *value = (int)read;
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc >= 2 && std::string(argv[1]) == "goals") {
        int seed, threads, percent;
        if (argc > 5 || !numberArgument(argc, argv, 2, 0, 1000000000, 1, &seed) ||
            !numberArgument(argc, argv, 3, 1, 64, 2, &threads) ||
            !numberArgument(argc, argv, 4, 1, 100, 100, &percent))
            return usage();
        std::vector<Goal> goals = goalMatches((unsigned)seed);
        // Whole deals: an even count, at least one deal.
        for (Goal &goal : goals)
            goal.setup.games = std::max(2, (goal.setup.games * percent + 199) / 200 * 2);
        std::vector<MatchResult> results;
        double seconds = 0;
        for (const Goal &goal : goals) {
            results.push_back(playMatch(goal.setup, threads));
            printMatch(std::cout, results.back());
            std::cout << std::endl;
            seconds += results.back().seconds;
        }
        printGoalTable(std::cout, goals, results);
        std::cout << "all matches took " << (int)(seconds + 0.5) << " s" << std::endl;
        return 0;
    }
    if (argc < 3 || argc > 6 || !playerKnown(argv[1]) || !playerKnown(argv[2]))
        return usage();
    MatchSetup setup;
    setup.a = argv[1];
    setup.b = argv[2];
    int games, seed, threads;
    if (!numberArgument(argc, argv, 3, 1, 1000000, 2, &games) ||
        !numberArgument(argc, argv, 4, 0, 1000000000, 1, &seed) ||
        !numberArgument(argc, argv, 5, 1, 64, 2, &threads))
        return usage();
    setup.games = games;
    setup.seed = (unsigned)seed;
    printMatch(std::cout, playMatch(setup, threads));
    return 0;
}
