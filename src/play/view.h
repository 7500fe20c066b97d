// What the players see: the rules' state drawn with the play screen's
// operations, plus the cursor and the selection that only the screen has.
#ifndef PLAY_VIEW_H
#define PLAY_VIEW_H

#include "rules/rules.h"

const int noCell = -1;

struct Table {
    Game game;
    int cursor;     // cell under the cursor
    int selected;   // cell of the selected piece, or noCell
    bool showDead;  // whether the captured-piece line lists the pieces
};

// Draws the whole screen for the table as it stands.
void drawTable(const Table &table);

// drawTable, and the status line's last message with it: everything on
// the screen, as a redraw after a resize of the window needs it.
void drawScreen(const Table &table);

// Redraws one cell: the selected piece in highlight 2, the cursor's cell
// in highlight 1, every other cell plain.
void drawCell(const Table &table, int cell);

// The captured-piece line: sorted by id when shown, the bare label when
// hidden.
void drawDead(const Table &table);

// The turn line, once the first flip has settled the sides.
void drawTurn(const Table &table);

#endif
