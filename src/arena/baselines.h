// Two weak players to measure the engine against. Both look only at the
// legal moves and at face-up pieces.
#ifndef ARENA_BASELINES_H
#define ARENA_BASELINES_H

#include <random>

#include "arena/player.h"

// Any legal move, each as likely.
class RandomMover : public Player {
public:
    explicit RandomMover(unsigned seed) : random_(seed) {}
    Move choose(const Game &game) override;

private:
    std::mt19937 random_;
};

// Takes the highest-ranked piece it can (the general first, the soldiers
// last); with no capture, any legal move, flips included.
class GreedyMover : public Player {
public:
    explicit GreedyMover(unsigned seed) : random_(seed) {}
    Move choose(const Game &game) override;

private:
    std::mt19937 random_;
};

#endif
