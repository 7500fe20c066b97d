// The endgame solver as the search consults it.
#ifndef ENGINE_SEARCH_ENDGAME_H
#define ENGINE_SEARCH_ENDGAME_H

#include "engine/position.h"

// The solver's exact value of pos for the side to move, ply plies from
// the root, when the solver covers pos. Tables of four pieces take a tenth
// of a second to build, so unless mayBuild those are probed only when
// rootPieces (the pieces at the root) shows that one was built already.
bool solvedValue(const Position &pos, int ply, int rootPieces, bool mayBuild, int *score);

#endif
