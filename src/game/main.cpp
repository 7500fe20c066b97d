// banqi: deals the 32 pieces onto the 4 x 8 board, prints the dealt
// board, and waits for a key.
#include <cstdlib>
#include <ctime>

#include "game/deal.h"
#include "game/pieces.h"
#include "game/table.h"
#include "platform/pause.h"

int main() {
    int board[4 * 8];
    int boardRank[4][8];
    int boardColor[4][8];

    srand((unsigned)time(NULL));
    shuffle(board, 32);
    for (int r = 0; r < 4; r++) {
        for (int c = 0; c < 8; c++) {
            boardRank[r][c] = getRank(board[r * 8 + c]);
            boardColor[r][c] = getColor(board[r * 8 + c]);
        }
    }
    // Each cell's rank and side are derived with the deal; the table
    // itself shows only the ids.
    (void)boardRank;
    (void)boardColor;

    printBoard(4, 8, board);
    systemPause();
    return 0;
}
