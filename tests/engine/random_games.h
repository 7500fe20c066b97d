// Seeded random games through the rules module, for the engine's tests.
#ifndef TESTS_ENGINE_RANDOM_GAMES_H
#define TESTS_ENGINE_RANDOM_GAMES_H

#include <random>

#include "rules/rules.h"

// A fresh game on a deal drawn from rng.
void dealGame(Game *game, std::mt19937 &rng);

// A legal move of the side to move, a capture with probability
// captureBias when there is one. The game must not be over.
Move randomMove(const Game &game, std::mt19937 &rng, double captureBias);

// The kind of the piece on cell, which must hold one (face up or down).
int kindOn(const Game &game, int cell);

#endif
