#include "engine/timeman.h"

namespace {

// Iterations cost several times the one before, so one begun past this
// share of the budget rarely finishes in time.
const double softShare = 0.25;
// Stopping, unwinding and answering take a little time, and the 95th
// percentile must stay within the budget on a busy machine, where a
// time slice lost to another process costs milliseconds. Budgets of
// seconds can spend more of themselves before that matters.
const double hardShare = 0.55;
const double hardShareLong = 0.75;
const int longBudgetMs = 2000;
const int hardMarginMs = 3;

}  // namespace

TimeManager::TimeManager(const SearchLimits &limits, int level)
    : start_(std::chrono::steady_clock::now()) {
    int budget = limits.moveTimeMs;
    if (budget == 0 && limits.depth == 0)
        budget = levelBudgetMs(level);
    if (budget > 0) {
        softMs_ = int(budget * softShare);
        hardMs_ = int(budget * (budget >= longBudgetMs ? hardShareLong : hardShare)) - hardMarginMs;
        if (hardMs_ < 1)
            hardMs_ = 1;
    }
}

int TimeManager::elapsedMs() const {
    auto now = std::chrono::steady_clock::now();
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(now - start_).count());
}
