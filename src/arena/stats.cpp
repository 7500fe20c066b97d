#include "arena/stats.h"

#include <algorithm>
#include <cmath>

double Tally::score() const {
    return games() == 0 ? 0 : (wins + draws / 2.0) / games();
}

Tally tally(const MatchResult &match) {
    Tally t;
    for (const GameRecord &game : match.games) {
        if (game.result > 0)
            t.wins++;
        else if (game.result < 0)
            t.losses++;
        else
            t.draws++;
        t.illegal += game.illegal;
    }
    return t;
}

Interval scoreInterval(double score, int games) {
    if (games == 0)
        return {0, 1};
    const double z = 1.959964;
    double n = games, z2 = z * z;
    double centre = (score + z2 / (2 * n)) / (1 + z2 / n);
    double half = z / (1 + z2 / n) * std::sqrt(score * (1 - score) / n + z2 / (4 * n * n));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

double percentile(std::vector<double> values, double rank) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t index = (size_t)std::ceil(rank / 100 * values.size());
    return values[std::min(values.size(), std::max<size_t>(index, 1)) - 1];
}

std::vector<double> answerTimes(const MatchResult &match, bool sideA) {
    std::vector<double> times;
    for (const GameRecord &game : match.games) {
        const std::vector<double> &own = sideA ? game.msA : game.msB;
        times.insert(times.end(), own.begin(), own.end());
    }
    return times;
}
