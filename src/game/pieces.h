// The 32 pieces of a dark-chess set, numbered 0..31.
// Ids 0..15 are black, 16..31 red; id and id + 16 are the same kind.
#ifndef GAME_PIECES_H
#define GAME_PIECES_H

// Rank of the piece: 0 general, 1 advisor, 2 elephant, 3 chariot,
// 4 horse, 5 cannon, 6 soldier. Valid for ids 0..31 only.
int getRank(int id);

// Side of the piece: 0 black, 1 red. Valid for ids 0..31 only.
int getColor(int id);

#endif
