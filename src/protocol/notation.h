// The text forms banqi-engine reads and writes. A cell is a column a-h
// (left to right) and a row 1-4 (row 1 the top row of the play screen), so
// "c2" is cell (2 - 1) * 8 + 2. A flip is its cell, "a1"; a step or a
// capture is its two cells, "a1a2".
#ifndef PROTOCOL_NOTATION_H
#define PROTOCOL_NOTATION_H

#include <string>
#include <vector>

#include "engine/visible.h"
#include "rules/rules.h"

// A decimal number from min to max (both at most 999999999), digits only.
bool parseNumber(const std::string &text, int min, int max, int *value);

std::string cellText(int cell);
std::string moveText(const Move &move);

// Reads a move of the side to move in view: a step when its target is
// empty, else a capture. Whether it is legal is not checked here.
bool parseMove(const std::string &text, const Visible &view, Move *move);

// A piece letter: capitals for red, lower case for black, K general,
// G advisor, M elephant, R chariot, N horse, C cannon, P soldier.
char kindLetter(int kind);

// The four fields of a position: the board row 1 to row 4 separated by
// '/', each row a piece letter, X for a face-down piece or a digit for
// that many empty cells; the side to move (r, b, or - before the first
// flip); the quiet-move count; the captured pieces' letters, or -.
std::string positionText(const Visible &view);

// Reads the fields (exactly four) into *view when they parse and the view
// is one a game can reach; otherwise leaves *view alone and says why.
bool parsePosition(const std::vector<std::string> &fields, Visible *view,
                   std::string *why);

// The position before the first flip: every cell face down.
Visible startPosition();

#endif
