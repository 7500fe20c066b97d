// banqi-demo: draws the play screen with a few cells face up, the side to
// move, a status message and the captured pieces, then waits for Esc.
#include <cstdlib>

#include "console/utilwin32.h"
#include "platform/textout.h"
#include "ui/screen.h"

int main() {
    displayBoard();

    displayPiece(0, 0, 16, 1, 0);  // 帥, red
    displayPiece(0, 3, 0, 1, 0);   // 將, black
    displayPiece(1, 2, 25, 1, 1);  // 炮, red, highlight 1
    displayPiece(2, 5, 7, 1, 2);   // 馬, black, highlight 2
    displayPiece(3, 7, 27, 0, 1);  // face down, highlight 1
    displayPiece(2, 1, 12, 1, 0);  // 卒, black
    displayPiece(3, 4, 21, 1, 0);  // 硨, red

    prompt(1);
    int dead[] = {28, 3, 19, 11, 9};
    const int deadCount = sizeof dead / sizeof dead[0];
    std::qsort(dead, deadCount, sizeof dead[0], compare);
    showDeadPieces(deadCount, dead);
    status("\xAC\xF5\xA4\xE8\xBD\xD0\xC2\xBD\xB4\xD1\xA9\xCE\xA8\xAB\xB4\xD1");  // 紅方請翻棋或走棋

    // Esc ends, as the instructions say; the other keys have no move to make.
    while (getKey() != 27) {
    }

    setTextColor(7);
    clrscr();
    textFlush();
    return 0;
}
