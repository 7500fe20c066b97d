// One game of dark chess for two players at one keyboard, on the play
// screen: keys become moves, and the rules' state is drawn after each.
#ifndef PLAY_PLAY_H
#define PLAY_PLAY_H

#include "rules/rules.h"

// Plays the dealt board (piece ids row by row, as shuffle gives them)
// until the game ends and a key is pressed, or the players leave with
// Esc. Leaves the play screen on the terminal.
void playGame(const int deal[boardCells]);

#endif
