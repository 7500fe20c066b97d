// How long a search may run: a soft limit past which no new iteration
// starts, and a hard one at which the search stops.
#ifndef ENGINE_TIMEMAN_H
#define ENGINE_TIMEMAN_H

#include <chrono>

#include "engine/engine.h"

class TimeManager {
public:
    // No bound at all when neither limits nor level give one.
    TimeManager(const SearchLimits &limits, int level);

    int elapsedMs() const;
    bool bounded() const { return hardMs_ > 0; }
    bool mayStartIteration() const { return !bounded() || elapsedMs() < softMs_; }
    bool mustStop() const { return bounded() && elapsedMs() >= hardMs_; }

private:
    std::chrono::steady_clock::time_point start_;
    int softMs_ = 0;
    int hardMs_ = 0;
};

#endif
