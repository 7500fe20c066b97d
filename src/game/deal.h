// Dealing the pieces onto the board.
#ifndef GAME_DEAL_H
#define GAME_DEAL_H

// Exchanges *a and *b.
void swap(int *a, int *b);

// Fills values[0..count-1] with 0..count-1 and permutes them with one
// rand() draw per position (Fisher-Yates from the top down).
void shuffle(int *values, int count);

#endif
