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

// Each level's time per move, and how deep its iterations may go (0: as
// deep as time allows). Time alone separates the levels too little in a
// game this full of chance (three times the time is about one ply more),
// so the levels below the top also stop at depths two plies apart, near
// the depth most of their searches reach anyway: the level above then
// sees further exactly where positions simplify and the game is decided.
const int levelBudgets[levelMax - levelMin + 1] = {20, 100, 300, 1000, 3000};
const int levelDepthCaps[levelMax - levelMin + 1] = {2, 4, 6, 8, 0};

int clampLevel(int level) { return level < levelMin ? levelMin : level > levelMax ? levelMax : level; }

}  // namespace

int levelBudgetMs(int level) { return levelBudgets[clampLevel(level) - levelMin]; }

struct Engine::State {
    TranspositionTable tt{tableSizeLog2};
    int level = levelDefault;
};

Engine::Engine() : state_(new State) {}

Engine::~Engine() = default;

void Engine::newGame() { state_->tt.clear(); }

void Engine::setLevel(int level) { state_->level = clampLevel(level); }

int Engine::level() const { return state_->level; }

SearchResult Engine::think(const Visible &view, const SearchLimits &limits,
                           const std::function<void(const SearchInfo &)> &onInfo) {
    Position pos;
    pos.set(view);
    Move moves[maxMoves];
    int count = generateMoves(pos, moves);
    // A game that is over has no move to choose.
    if (count == 0)
        return SearchResult{Move{moveStep, noPiece, noPiece}, -scoreWin, 0};
    // One legal move needs no thought.
    if (count == 1)
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
    // The level's depth cap applies to its own budget only.
    if (limits.depth == 0 && limits.moveTimeMs == 0)
        options.depthCap = levelDepthCaps[state_->level - levelMin];
    options.useEndgame = limits.useEndgameSolver;
    // With three seconds a move, a table built on the way pays.
    options.mayBuildEndgames = state_->level == levelMax;
    Search search(state_->tt, time, options);
    return search.run(pos, onInfo);
}
