#include "arena/engine_player.h"

#include "engine/visible.h"

Move EnginePlayer::choose(const Game &game) {
    // No limits: the level's own budget, as a player would get it.
    return engine_.think(visibleFrom(game), SearchLimits{}).best;
}
