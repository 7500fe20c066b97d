// The moves of a position of a few face-up pieces, listed straight from
// its pieces' slots: what the solver's tables and its probe both walk.
#ifndef ENGINE_ENDGAME_MOVES_H
#define ENGINE_ENDGAME_MOVES_H

#include <cstdint>

#include "engine/visible.h"
#include "rules/rules.h"

namespace endgame {

// The rank that captures by jumping instead of by stepping.
const int cannonRank = 5;

struct Geometry {
    int neighbourCount[boardCells];
    int neighbour[boardCells][4];
    // The cells from a cell outwards in each of the four directions.
    int rayLength[boardCells][4];
    int ray[boardCells][4][boardCols];
    // Whether a piece of one rank takes, by stepping, one of another.
    bool takes[rankCount][rankCount];
};

const Geometry &geometry();

// Calls step(slot, to) for each step and capture(slot, victim) for each
// capture of the side to move, the pieces given by kind and cell by slot.
template <class Step, class Capture>
void forEachMove(int count, const int kind[], const int cell[], int turn, Step step,
                 Capture capture) {
    const Geometry &g = geometry();
    std::uint32_t occupied = 0;
    for (int i = 0; i < count; i++)
        occupied |= std::uint32_t(1) << cell[i];
    auto slotAt = [&](int at) {
        for (int i = 0;; i++)
            if (cell[i] == at)
                return i;
    };
    for (int i = 0; i < count; i++) {
        if (kindSide(kind[i]) != turn)
            continue;
        int from = cell[i], rank = kindRank(kind[i]);
        for (int k = 0; k < g.neighbourCount[from]; k++) {
            int to = g.neighbour[from][k];
            if (!(occupied >> to & 1)) {
                step(i, to);
            } else if (rank != cannonRank) {
                int victim = slotAt(to);
                if (kindSide(kind[victim]) != turn && g.takes[rank][kindRank(kind[victim])])
                    capture(i, victim);
            }
        }
        if (rank != cannonRank)
            continue;
        // The first piece past exactly one screen, whatever its rank.
        for (int dir = 0; dir < 4; dir++) {
            int screens = 0;
            for (int k = 0; k < g.rayLength[from][dir]; k++) {
                int to = g.ray[from][dir][k];
                if (!(occupied >> to & 1) || screens++ == 0)
                    continue;
                int victim = slotAt(to);
                if (kindSide(kind[victim]) != turn)
                    capture(i, victim);
                break;
            }
        }
    }
}

}  // namespace endgame

#endif
