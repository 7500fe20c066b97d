#include "arena/player.h"

#include "arena/baselines.h"
#include "arena/engine_player.h"
#include "engine/engine.h"

int playerLevel(const std::string &name) {
    for (int level = levelMin; level <= levelMax; level++)
        if (name == "level" + std::to_string(level))
            return level;
    return 0;
}

bool playerKnown(const std::string &name) {
    return playerLevel(name) > 0 || name == "random" || name == "greedy";
}

std::unique_ptr<Player> makePlayer(const std::string &name, unsigned seed) {
    if (int level = playerLevel(name))
        return std::make_unique<EnginePlayer>(level);
    if (name == "greedy")
        return std::make_unique<GreedyMover>(seed);
    return std::make_unique<RandomMover>(seed);
}
