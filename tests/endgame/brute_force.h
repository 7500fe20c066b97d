// A plain minimax over the rules module's checkMove and applyMove, the quiet-move count included,
// memoised by position: what the endgame solver must agree with.
#ifndef TESTS_ENDGAME_BRUTE_FORCE_H
#define TESTS_ENDGAME_BRUTE_FORCE_H

#include <cstdint>
#include <random>
#include <unordered_map>
#include <utility>
#include <vector>

#include "rules/rules.h"

// A face-up piece: its kind (side * 7 + rank) and cell.
struct Placed {
    int kind;
    int cell;
};

// A game holding exactly these face-up pieces.
Game gameOf(const std::vector<Placed> &pieces, int turn, int quietMoves);

// The kinds on distinct random cells.
std::vector<Placed> randomPlacement(const std::vector<int> &kinds, std::mt19937 &random);

class BruteForce {
public:
    // Positions with fewer than trustBelow pieces are read from the solver
    // instead of searched (0: search everything).
    explicit BruteForce(int trustBelow = 0) : trustBelow_(trustBelow) {}

    // +1 the side to move wins, 0 a draw, -1 it loses.
    int result(const Game &game);

private:
    int trustBelow_;
    std::unordered_map<std::uint64_t, int> memo_;
};

#endif
