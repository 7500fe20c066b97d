#include "play/computer.h"

#include <algorithm>

#include "engine/visible.h"

namespace {

// Judging an offer is one look at the position, not a whole move's
// thought: the level's own budget, but never long.
const int drawSearchMs = 200;

}  // namespace

Move computerMove(Engine &engine, const Game &game) {
    return engine.think(visibleFrom(game), SearchLimits()).best;
}

bool computerAcceptsDraw(Engine &engine, const Game &game) {
    SearchLimits limits;
    limits.moveTimeMs = std::min(levelBudgetMs(engine.level()), drawSearchMs);
    // The score is the offering side's, the one to move: the computer's
    // own is its negation.
    int offerer = engine.think(visibleFrom(game), limits).score;
    return -offerer <= 0;
}
