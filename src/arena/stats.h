// The figures a match prints: its tally, the score's interval, times.
#ifndef ARENA_STATS_H
#define ARENA_STATS_H

#include <vector>

#include "arena/match.h"

struct Tally {
    int wins = 0, draws = 0, losses = 0;  // the first-named player's
    int illegal = 0;                      // games lost by an illegal move
    int games() const { return wins + draws + losses; }
    // The share of the points, a draw half a point: 0 to 1.
    double score() const;
};

Tally tally(const MatchResult &match);

struct Interval {
    double low, high;
};

// The 95% Wilson score interval of a share of points over games, draws
// counted as half a point; unlike the normal approximation it stays
// within 0 to 1 and is not empty at a clean sweep.
Interval scoreInterval(double score, int games);

// The nearest-rank percentile (0 to 100) of values; 0 when empty.
double percentile(std::vector<double> values, double rank);

// Every answer time of one side of a match, a or b.
std::vector<double> answerTimes(const MatchResult &match, bool sideA);

#endif
