#include "engine/search_endgame.h"

#include "engine/endgame.h"
#include "engine/engine.h"

bool solvedValue(const Position &pos, int ply, int rootPieces, bool mayBuild, int *score) {
    if (pos.poolTotal != 0)
        return false;
    int pieces = popCount(pos.occupied);
    // Below the root a capture changes the material; a three-piece table
    // builds in a millisecond or two, a four-piece one in a hundred.
    if (pieces > endgameMaxPieces || (pieces == endgameMaxPieces && rootPieces > pieces && !mayBuild))
        return false;
    EndgameVerdict verdict;
    if (!probeEndgameValue(pos.visible(), &verdict))
        return false;
    if (verdict.result > 0)
        *score = scoreWin - ply - verdict.plies;
    else if (verdict.result < 0)
        *score = -scoreWin + ply + verdict.plies;
    else
        *score = 0;
    return true;
}
