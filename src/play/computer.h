// The computer's side of a game against a person. It is given only what a
// player sees (visibleFrom): never what lies under a face-down piece.
#ifndef PLAY_COMPUTER_H
#define PLAY_COMPUTER_H

#include "engine/engine.h"
#include "rules/rules.h"

// The computer's move in game, where it is to move and has a legal move,
// within its level's time.
Move computerMove(Engine &engine, const Game &game);

// Whether the computer takes a draw offered by the side to move: when a
// short search says the position is drawn or worse for the computer.
bool computerAcceptsDraw(Engine &engine, const Game &game);

#endif
