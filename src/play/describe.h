// A move in words for the status line, as the computer's moves are told.
#ifndef PLAY_DESCRIBE_H
#define PLAY_DESCRIBE_H

#include <string>

#include "rules/rules.h"

// The computer's move in game (before it is played), in Big5: which piece
// it flipped, moved or took, and where, in the screen's cell names.
std::string describeComputerMove(const Game &game, const Move &move);

#endif
