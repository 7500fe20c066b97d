#include "play/view.h"

#include <cstdlib>
#include <string>

#include "console/utilwin32.h"
#include "play/messages.h"
#include "platform/textout.h"
#include "ui/screen.h"

namespace {

// An empty cell. displayPiece draws only pieces (it looks up the side of
// the id it is given), so the blank glyph goes to the cell's place here,
// in the attributes displayPiece gives a face-down cell, leaving cursor
// and attribute as displayPiece does.
void displayEmpty(int row, int col, int highlight) {
    unsigned short color = highlight == 1 ? 0xAF : highlight == 2 ? 0x6F : 7;
    unsigned short previous = setTextColor(color);
    gotoxy(26 + 4 * col, 7 + 2 * row);
    textPut("\xA1\x40");  // the ideographic space
    gotoxy(1, 23);
    setTextColor(previous);
}

// Against the computer, after the turn: which side is whose, in the
// attribute the rest of the line has.
void displayRoles(const Table &table) {
    gotoxy(32, 4);
    setTextColor(7);
    int you = 1 - table.computerSide;
    textPut((std::string(msgYouAre) + sideName(you) + msgComputerIs +
             sideName(table.computerSide)).c_str());
    gotoxy(1, 23);
}

}  // namespace

void setTable(Table *table, const int deal[boardCells], Opponent opponent) {
    newGame(&table->game, deal);
    table->cursor = 0;
    table->selected = noCell;
    table->showDead = true;
    table->message.clear();
    table->opponent = opponent;
    table->computerSide = noSide;
    table->shown[0] = table->shown[1] = noCell;
}

void drawCell(const Table &table, int cell) {
    bool shown = cell == table.shown[0] || cell == table.shown[1];
    int highlight = shown || cell == table.selected ? 2 : cell == table.cursor ? 1 : 0;
    int row = cell / boardCols, col = cell % boardCols;
    int piece = table.game.piece[cell];
    if (piece == noPiece)
        displayEmpty(row, col, highlight);
    else
        displayPiece(row, col, piece, table.game.faceUp[cell], highlight);
}

void drawDead(const Table &table) {
    int sorted[boardCells];
    int count = table.showDead ? table.game.deadCount : 0;
    for (int i = 0; i < count; i++)
        sorted[i] = table.game.dead[i];
    qsort(sorted, count, sizeof sorted[0], compare);
    showDeadPieces(count, sorted);
}

void drawTurn(const Table &table) {
    if (table.game.turn != noSide)
        prompt(table.game.turn);
    if (table.computerSide != noSide)
        displayRoles(table);
}

void tell(Table &table, const std::string &message) {
    table.message = message;
    status(message.c_str());
}

void drawTable(const Table &table) {
    displayBoard();
    for (int cell = 0; cell < boardCells; cell++)
        if (table.game.faceUp[cell] || table.game.piece[cell] == noPiece ||
            cell == table.cursor || cell == table.selected ||
            cell == table.shown[0] || cell == table.shown[1])
            drawCell(table, cell);
    drawDead(table);
    drawTurn(table);
    status(table.message.c_str());
}
