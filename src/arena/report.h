// How the arena prints a match, and the table of the goal matches.
#ifndef ARENA_REPORT_H
#define ARENA_REPORT_H

#include <iosfwd>
#include <vector>

#include "arena/match.h"

void printMatch(std::ostream &out, const MatchResult &match);

// A match with the least share of the points its first player should take.
struct Goal {
    MatchSetup setup;
    double minScore;
};

// The matches that measure the engine: each level against the baselines
// or the level below it.
std::vector<Goal> goalMatches(unsigned seed);

// One row per match: the tally, the score and its interval against the
// goal, both sides' answer times against their level's budget.
void printGoalTable(std::ostream &out, const std::vector<Goal> &goals,
                    const std::vector<MatchResult> &results);

#endif
