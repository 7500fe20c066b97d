// banqi-demo: the play screen with its keys, and no game behind them.
// Arrows move the highlight over the cells (it stops at the edges), Space
// turns the cell under it face up, and on a face-up cell marks it with the
// second highlight (or unmarks it), S shows or hides a line of sample
// captured pieces, Esc ends. Each accepted key's code is shown on row 21.
// After a resize of the window the whole screen is drawn again as it stands.
#include <cstdlib>
#include <ctime>

#include "console/utilwin32.h"
#include "game/deal.h"
#include "platform/textout.h"
#include "ui/screen.h"

namespace {

const int rows = 4, cols = 8;
const int keyRow = 21, deadRow = 16, statusRow = 23;

int pieces[rows * cols];
int faceUp[rows * cols];
int marked = -1;  // the cell with the second highlight, if any
int row = 0, col = 0;  // the cell under the cursor
int dead[] = {28, 3, 19, 11, 9};
const int deadCount = sizeof dead / sizeof dead[0];
bool deadShown = true;
int lastKey = -1;  // the code of the last key accepted, -1 before any
const char redToMove[] = "\xAC\xF5\xA4\xE8\xBD\xD0\xC2\xBD\xB4\xD1\xA9\xCE\xA8\xAB\xB4\xD1";  // 紅方請翻棋或走棋

void drawCell(int row, int col, bool underCursor) {
    int cell = row * cols + col;
    int highlight = underCursor ? 1 : cell == marked ? 2 : 0;
    displayPiece(row, col, pieces[cell], faceUp[cell], highlight);
}

void showKey(int key) {
    gotoxy(1, keyRow);
    textPrintf("key: %-3d", key);
    gotoxy(1, statusRow);
}

void hideDeadPieces() {
    gotoxy(1, deadRow);
    textPrintf("%80s", "");
    gotoxy(1, statusRow);
}

void drawDeadLine() {
    if (deadShown)
        showDeadPieces(deadCount, dead);
    else
        hideDeadPieces();
}

// The whole screen as it stands: at the start and after a resize.
void drawAll() {
    displayBoard();
    prompt(1);
    drawDeadLine();
    status(redToMove);
    for (int cell = 0; cell < rows * cols; cell++)
        if (faceUp[cell] || cell == marked)
            drawCell(cell / cols, cell % cols, false);
    drawCell(row, col, true);
    if (lastKey >= 0)
        showKey(lastKey);
}

}  // namespace

int main() {
    if (!screenPossible("banqi-demo"))
        return 1;
    std::srand((unsigned)std::time(nullptr));
    shuffle(pieces, rows * cols);
    std::qsort(dead, deadCount, sizeof dead[0], compare);

    showScreen(drawAll);
    for (int key; (key = getKey()) != 27;) {
        int toRow = row, toCol = col;
        if (key == 72 && row > 0)
            toRow--;
        else if (key == 80 && row < rows - 1)
            toRow++;
        else if (key == 75 && col > 0)
            toCol--;
        else if (key == 77 && col < cols - 1)
            toCol++;
        else if (key == 32) {
            int cell = row * cols + col;
            if (!faceUp[cell])
                faceUp[cell] = 1;
            else
                marked = marked == cell ? -1 : cell;
        }
        else if (key == 83) {
            deadShown = !deadShown;
            drawDeadLine();
            setTextColor(7);
        }
        if (toRow != row || toCol != col) {
            drawCell(row, col, false);
            row = toRow;
            col = toCol;
        }
        drawCell(row, col, true);
        lastKey = key;
        showKey(key);  // last, so that its code on screen means the key is drawn
    }

    showScreen(nullptr);
    setTextColor(7);
    clrscr();
    textFlush();
    return 0;
}
