#include "engine/endgame_moves.h"

#include "game/pieces.h"

namespace endgame {

namespace {

// A piece id of each rank, to ask the rules who takes whom.
int idOfRank(int rank) {
    int id = 0;
    while (getRank(id) != rank)
        id++;
    return id;
}

Geometry makeGeometry() {
    Geometry g = {};
    const int dRow[4] = {-1, 1, 0, 0}, dCol[4] = {0, 0, -1, 1};
    for (int cell = 0; cell < boardCells; cell++) {
        int row = cell / boardCols, col = cell % boardCols;
        for (int dir = 0; dir < 4; dir++) {
            int r = row + dRow[dir], c = col + dCol[dir];
            while (r >= 0 && r < boardRows && c >= 0 && c < boardCols) {
                g.ray[cell][dir][g.rayLength[cell][dir]++] = r * boardCols + c;
                r += dRow[dir];
                c += dCol[dir];
            }
            if (g.rayLength[cell][dir] > 0)
                g.neighbour[cell][g.neighbourCount[cell]++] = g.ray[cell][dir][0];
        }
    }
    for (int a = 0; a < rankCount; a++)
        for (int t = 0; t < rankCount; t++)
            g.takes[a][t] = outranks(idOfRank(a), idOfRank(t));
    return g;
}

}  // namespace

const Geometry &geometry() {
    static const Geometry g = makeGeometry();
    return g;
}

}  // namespace endgame
