#include "engine/engine.h"

#include "engine/endgame.h"
#include "engine/movegen.h"
#include "engine/position.h"
#include "engine/search.h"
#include "engine/timeman.h"
#include "engine/tt.h"

namespace {

// 2^20 entries of 16 bytes.
const int tableSizeLog2 = 20;

}  // namespace

int levelBudgetMs(int level) {
    static const int budgets[levelMax - levelMin + 1] = {20, 100, 300, 1000, 3000};
    if (level < levelMin) level = levelMin;
    if (level > levelMax) level = levelMax;
    return budgets[level - levelMin];
}

struct Engine::State {
    TranspositionTable tt{tableSizeLog2};
    int level = levelDefault;
};

Engine::Engine() : state_(new State) {}

Engine::~Engine() = default;

void Engine::newGame() { state_->tt.clear(); }

void Engine::setLevel(int level) {
    if (level < levelMin) level = levelMin;
    if (level > levelMax) level = levelMax;
    state_->level = level;
}

int Engine::level() const { return state_->level; }

SearchResult Engine::think(const Visible &view, const SearchLimits &limits,
                           const std::function<void(const SearchInfo &)> &onInfo) {
    Position pos;
    pos.set(view);
    Move moves[maxMoves];
    // One legal move needs no thought.
    if (generateMoves(pos, moves) == 1)
        return SearchResult{moves[0], 0, 0};
    // A solved endgame needs no search either.
    EndgameVerdict verdict;
    if (limits.useEndgameSolver && probeEndgame(view, &verdict)) {
        int score = verdict.result > 0 ? scoreWin - verdict.plies
                  : verdict.result < 0 ? -scoreWin + verdict.plies : 0;
        return SearchResult{verdict.best, score, 0};
    }
    TimeManager time(limits, state_->level);
    SearchOptions options;
    options.maxDepth = limits.depth;
    options.useEndgame = limits.useEndgameSolver;
    // With three seconds a move, a table built on the way pays.
    options.mayBuildEndgames = state_->level == levelMax;
    Search search(state_->tt, time, options);
    return search.run(pos, onInfo);
}
