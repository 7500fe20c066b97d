#include "game/table.h"

#include "platform/textout.h"

// Big5 texts of the table. Each glyph is two bytes and two columns wide.
static const char topBorder[] =                              // ┌─┬─┬─┬─┬─┬─┬─┬─┐
    "\xA2\x7A"
    "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73"
    "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73"
    "\xA2\x77\xA2\x7B";
static const char cellFormat[] = "\xA2\x78%s";                // │%s
static const char rowEndSeparator[] =                        // │ newline ├─┼─┼─┼─┼─┼─┼─┼─┤
    "\xA2\x78\n"
    "\xA2\x75"
    "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71"
    "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71"
    "\xA2\x77\xA2\x74";
static const char rowEndBottom[] =                           // │ newline └─┴─┴─┴─┴─┴─┴─┴─┘
    "\xA2\x78\n"
    "\xA2\x7C"
    "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72"
    "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72"
    "\xA2\x77\xA2\x7D";

void printBoard(int rows, int cols, int *board) {
    // One 3-byte slot per piece id: the glyph and its NUL.
    static const char names[] =
        "\xB1\x4E" "\0"  // 0 將
        "\xA4\x68" "\0"  // 1 士
        "\xA4\x68" "\0"  // 2 士
        "\xB6\x48" "\0"  // 3 象
        "\xB6\x48" "\0"  // 4 象
        "\xA8\xAE" "\0"  // 5 車
        "\xA8\xAE" "\0"  // 6 車
        "\xB0\xA8" "\0"  // 7 馬
        "\xB0\xA8" "\0"  // 8 馬
        "\xA5\x5D" "\0"  // 9 包
        "\xA5\x5D" "\0"  // 10 包
        "\xA8\xF2" "\0"  // 11 卒
        "\xA8\xF2" "\0"  // 12 卒
        "\xA8\xF2" "\0"  // 13 卒
        "\xA8\xF2" "\0"  // 14 卒
        "\xA8\xF2" "\0"  // 15 卒
        "\xAB\xD3" "\0"  // 16 帥
        "\xA5\x4B" "\0"  // 17 仕
        "\xA5\x4B" "\0"  // 18 仕
        "\xAC\xDB" "\0"  // 19 相
        "\xAC\xDB" "\0"  // 20 相
        "\xDA\xCF" "\0"  // 21 硨
        "\xDA\xCF" "\0"  // 22 硨
        "\xD8\x58" "\0"  // 23 傌
        "\xD8\x58" "\0"  // 24 傌
        "\xAC\xB6" "\0"  // 25 炮
        "\xAC\xB6" "\0"  // 26 炮
        "\xA7\x4C" "\0"  // 27 兵
        "\xA7\x4C" "\0"  // 28 兵
        "\xA7\x4C" "\0"  // 29 兵
        "\xA7\x4C" "\0"  // 30 兵
        "\xA7\x4C";      // 31 兵 (the literal's own NUL ends it)

    textPuts(topBorder);
    for (int i = 0; i < rows; i++) {
        for (int j = 0; j < cols; j++)
            textPrintf(cellFormat, &names[3 * board[i * cols + j]]);
        if (i < rows - 1)
            textPuts(rowEndSeparator);
    }
    textPuts(rowEndBottom);
}
