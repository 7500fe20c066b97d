// One game of dark chess on the play screen, for two players at one
// keyboard or for one against the computer: keys become moves, and the
// rules' state is drawn after each.
#ifndef PLAY_PLAY_H
#define PLAY_PLAY_H

#include "engine/engine.h"
#include "play/view.h"
#include "rules/rules.h"

// Plays the dealt board (piece ids row by row, as shuffle gives them)
// until the game ends and a key is pressed, or the player leaves with
// Esc. Against the computer, engine plays its side at its level; it is
// not used in a game for two. Leaves the play screen on the terminal.
void playGame(const int deal[boardCells], Opponent opponent, Engine &engine);

#endif
