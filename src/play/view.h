// What the players see: the rules' state drawn with the play screen's
// operations, plus what only the screen has (the cursor, the selection,
// the last message, the roles), kept here so that the whole screen can be
// drawn again from it at any time.
#ifndef PLAY_VIEW_H
#define PLAY_VIEW_H

#include <string>

#include "rules/rules.h"

const int noCell = -1;

// Who plays: two people, or one against the computer, which opens the
// game or answers the first move.
enum Opponent { twoPlayers, computerFirst, computerSecond };

struct Table {
    Game game;
    int cursor;     // cell under the cursor
    int selected;   // cell of the selected piece, or noCell
    bool showDead;  // whether the captured-piece line lists the pieces
    std::string message;  // the status line's text, Big5
    Opponent opponent;
    int computerSide;  // the computer's side once the first flip has settled it, else noSide
    int shown[2];      // cells of the computer's move while it is shown, or noCell
};

// A table for a fresh deal: cursor on the first cell, nothing selected,
// the captured pieces shown.
void setTable(Table *table, const int deal[boardCells], Opponent opponent);

// Draws the whole screen for the table as it stands.
void drawTable(const Table &table);

// Redraws one cell: a cell of the computer's move being shown and the
// selected piece in highlight 2, the cursor's cell in highlight 1, every
// other cell plain.
void drawCell(const Table &table, int cell);

// The captured-piece line: sorted by id when shown, the bare label when
// hidden.
void drawDead(const Table &table);

// The turn line, once the first flip has settled the sides; against the
// computer it also says which side is whose.
void drawTurn(const Table &table);

// Shows a Big5 message on the status line and keeps it for a redraw.
void tell(Table &table, const std::string &message);

#endif
