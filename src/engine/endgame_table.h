// The solver's tables, one per material, built by retrograde analysis.
//
// A table holds, for each placement of the material's pieces and side to
// move, how many quiet moves (steps) the position needs to be decided: the
// side to move wins when at least that many remain before the quiet-move
// draw, or loses when at least that many remain. A capture resets the
// count, so it leads to a smaller table's position with the whole
// allowance again; the step count alone therefore decides each level.
#ifndef ENGINE_ENDGAME_TABLE_H
#define ENGINE_ENDGAME_TABLE_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/endgame.h"
#include "engine/visible.h"

namespace endgame {

// The pieces of a material in slot order: kinds ascending, so black's come
// before red's and equal kinds are neighbours. Both sides have a piece.
struct Material {
    int count;
    int kind[endgameMaxPieces];
    int firstRun;  // slots holding the first slot's kind
    bool repeats;  // whether any kind is there more than once
};

// The material of count pieces of these kinds, in slot order.
Material materialOf(int count, const int kind[]);

// A material with the colours swapped plays exactly alike with the sides'
// roles exchanged, so only the smaller of the two in kind order is built.
// Orients pieces (count of them, kinds and cells) and turn in place: swaps
// the colours when that gives the smaller material, then sorts the slots
// (equal kinds by cell). Returns whether it swapped.
bool canonicalise(int count, int kind[], int cell[], int *turn);

// The table's index of a placement of material (cells by slot) with turn
// to move. The board's two mirror images of a placement stand alike, so
// the index is the one of the placement mirrored to put the first slot's
// piece in the top left quarter, the least such when that kind repeats.
std::uint32_t placementIndex(const Material &material, const int cell[], int turn);

// Entries in a table of count pieces: the first slot's quarter of the
// board, the other slots anywhere, either side to move.
inline std::size_t tableSize(int count) { return std::size_t(16) << (5 * (count - 1)); }

struct Table {
    Material material;
    // By placementIndex: +n the side to move wins when n or more quiet moves
    // remain, -n it loses when n or more remain, 0 drawn whatever remain.
    // n never exceeds quietMoveLimit.
    std::vector<std::int8_t> steps;
    // Plies to the end of a decided game when the winner converts by the
    // fewest quiet moves and the loser holds out the most (ties: the
    // shortest and the longest game).
    std::vector<std::uint16_t> plies;
};

// The table of a canonical material, built on first use (with the smaller
// tables its captures lead to) and kept for the run; safe from any thread.
const Table &tableFor(const Material &material);

// Builds the table of a canonical material from scratch.
void buildTable(const Material &material, Table *table);

}  // namespace endgame

#endif
