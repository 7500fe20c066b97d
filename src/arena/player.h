// The players an arena match sets against each other: the engine at its
// levels, and two baselines.
#ifndef ARENA_PLAYER_H
#define ARENA_PLAYER_H

#include <memory>
#include <string>

#include "rules/rules.h"

class Player {
public:
    virtual ~Player() = default;
    // A legal move for the side to move of game, which is not over.
    virtual Move choose(const Game &game) = 0;
};

// Names: "level1" to "level5" for the engine (which is shown only the
// view of the side to move), "random" for a random mover, "greedy" for
// one that takes the most valuable piece it can and else moves at random.
// seed drives the baselines' choices.
bool playerKnown(const std::string &name);
std::unique_ptr<Player> makePlayer(const std::string &name, unsigned seed);

// The engine level a name stands for; 0 for a baseline.
int playerLevel(const std::string &name);

#endif
