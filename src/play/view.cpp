#include "play/view.h"

#include <cstdlib>

#include "console/utilwin32.h"
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

}  // namespace

void drawCell(const Table &table, int cell) {
    int highlight = cell == table.selected ? 2 : cell == table.cursor ? 1 : 0;
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
}

void drawTable(const Table &table) {
    displayBoard();
    for (int cell = 0; cell < boardCells; cell++)
        if (table.game.faceUp[cell] || table.game.piece[cell] == noPiece ||
            cell == table.cursor || cell == table.selected)
            drawCell(table, cell);
    drawDead(table);
    drawTurn(table);
}

void drawScreen(const Table &table) {
    drawTable(table);
    status(lastStatus());
}
