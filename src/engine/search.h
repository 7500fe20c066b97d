// The search: expectimax over flips, alpha-beta at the players' nodes,
// Star1 bounds and Star2 probing at the chance nodes, iterative deepening,
// a transposition table, captures first, and a quiescence search over
// captures.
//
// A chance node's value is the pool-weighted mean of its outcomes'
// values, rounded down: floor(sum(count * value) / total).
#ifndef ENGINE_SEARCH_H
#define ENGINE_SEARCH_H

#include <cstdint>
#include <functional>

#include "engine/engine.h"
#include "engine/position.h"
#include "engine/timeman.h"
#include "engine/tt.h"

struct SearchOptions {
    // Values exactly those of a plain depth-limited expectimax whose leaves
    // are evaluate(): no transposition cutoffs, no quiescence, no endgame
    // tables, every flip searched to full depth. Alpha-beta and the chance
    // nodes' pruning stay on, as they never change the value.
    bool exact = false;
    int maxDepth = 0;  // a depth-bounded search: 0 until time runs out
    int depthCap = 0;  // a level's limit on a timed search; 0 none
    // Below the root, only the first few flips in move order are searched,
    // and each one less deep than other moves: a flip mostly changes the
    // position where it turns a piece up, and most face-down cells are
    // alike.
    int interiorFlips = 4;
    int flipReduction = 1;
    // Solved endgames are answered by the solver; mayBuild lets the
    // search build four-piece tables the root's material did not need.
    bool useEndgame = true;
    bool mayBuildEndgames = false;
};

class Search {
public:
    Search(TranspositionTable &tt, const TimeManager &time, const SearchOptions &options);

    // Iterative deepening from pos, which must have a legal move.
    SearchResult run(const Position &pos, const std::function<void(const SearchInfo &)> &onInfo);

    std::uint64_t nodes() const { return nodes_; }

private:
    static const int maxPly = 128;

    // With probe, only the first move in order is searched: the result
    // bounds the node's value from below when it is above alpha.
    int negamax(const Position &pos, int depth, int ply, int alpha, int beta, bool probe = false);
    int chance(const Position &pos, int cell, int depth, int ply, int alpha, int beta);
    int flipDepth(int depth, int ply) const;
    // The value of move in pos for its mover, within (alpha, beta).
    int searchMove(const Position &pos, const Move &move, int depth, int ply, int alpha, int beta);
    bool probeSolved(const Position &pos, int ply, int *score) const;
    // A value known without searching the moves: out of time (0), no
    // pieces left, the quiet-move draw, a solved endgame.
    bool settled(const Position &pos, int ply, int *score);
    int quiesce(const Position &pos, int ply, int alpha, int beta);
    int leaf(const Position &pos, int ply, int alpha, int beta);
    void orderMoves(const Position &pos, Move *moves, int count, int scores[], std::uint16_t ttMove,
                    int ply) const;
    void rememberCutoff(const Position &pos, const Move &move, int depth, int ply);
    bool timeUp();
    std::vector<Move> principalVariation(const Position &pos, const Move &best, int depth) const;

    TranspositionTable &tt_;
    const TimeManager &time_;
    SearchOptions options_;
    std::uint64_t nodes_ = 0;
    bool stopped_ = false;
    int orderValue_[kindCount] = {};
    int rootPieces_ = 0;
    std::uint16_t killers_[maxPly][2] = {};
    int history_[2][boardCells][boardCells] = {};
};

#endif
