// The dealt board as a table of face-up glyphs on standard output.
#ifndef GAME_TABLE_H
#define GAME_TABLE_H

// Writes the rows x cols piece ids of board (row by row) as a framed
// table. The frame is drawn for 8 columns.
void printBoard(int rows, int cols, int *board);

#endif
