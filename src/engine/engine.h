// The computer opponent: given what the side to move can see, it chooses
// a move. Flips are chance events over the unseen pool; it never knows
// what lies under a face-down piece.
#ifndef ENGINE_ENGINE_H
#define ENGINE_ENGINE_H

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/visible.h"
#include "rules/rules.h"

// Scores are from the side to move's point of view. A score beyond
// scoreWin - scoreWinMargin is a proven win (its negation a proven loss).
const int scoreWin = 100000;
const int scoreWinMargin = 1000;

// Strength levels: each bounds the time per move (levelBudgetMs) and may
// search or evaluate more simply at the lower ones.
const int levelMin = 1;
const int levelMax = 5;
const int levelDefault = 3;
int levelBudgetMs(int level);

// Zero in a field means no bound of that kind; all zero means the level's
// own budget.
struct SearchLimits {
    int moveTimeMs = 0;
    int depth = 0;
    // Off, solved endgames are searched like any other position: to
    // measure how the search alone converts them.
    bool useEndgameSolver = true;
};

// Progress, reported once per finished iteration.
struct SearchInfo {
    int depth;
    int score;
    std::uint64_t nodes;
    int timeMs;
    std::vector<Move> pv;
};

struct SearchResult {
    Move best;
    int score;
    int depth;
};

class Engine {
public:
    Engine();
    ~Engine();
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    // Forgets what earlier searches learned (the transposition table).
    void newGame();
    void setLevel(int level);  // levelMin..levelMax
    int level() const;

    // The move to play in view, which must be consistent. onInfo, when
    // given, hears each finished iteration. A view with no legal move gets
    // a move from and to noPiece.
    SearchResult think(const Visible &view, const SearchLimits &limits,
                       const std::function<void(const SearchInfo &)> &onInfo = {});

private:
    struct State;
    std::unique_ptr<State> state_;
};

#endif
