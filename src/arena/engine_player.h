// The engine as an arena player: it is handed the view of the side to
// move and nothing else of the game.
#ifndef ARENA_ENGINE_PLAYER_H
#define ARENA_ENGINE_PLAYER_H

#include "arena/player.h"
#include "engine/engine.h"

class EnginePlayer : public Player {
public:
    explicit EnginePlayer(int level) { engine_.setLevel(level); }
    Move choose(const Game &game) override;

private:
    Engine engine_;
};

#endif
