// The board screen: title, framed board with labels, key instructions,
// and single cells redrawn face up or face down.
#include "console/utilwin32.h"
#include "platform/textout.h"
#include "ui/screen.h"
#include "ui/symbols.h"

namespace {

// Where the first line of the board template begins.
constexpr int leftX = 22;
constexpr int topY = 5;

const char labels[] =  // 　　ａ　ｂ　ｃ　ｄ　ｅ　ｆ　ｇ　ｈ
    "\xA1\x40\xA1\x40\xA2\xE9"
    "\xA1\x40\xA2\xEA" "\xA1\x40\xA2\xEB" "\xA1\x40\xA2\xEC" "\xA1\x40\xA2\xED"
    "\xA1\x40\xA2\xEE" "\xA1\x40\xA2\xEF" "\xA1\x40\xA2\xF0";
const char topBorder[] =  // 　┌─┬─┬─┬─┬─┬─┬─┬─┐
    "\xA1\x40\xA2\x7A"
    "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73"
    "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73" "\xA2\x77\xA2\x73"
    "\xA2\x77\xA2\x7B";
#define CELLS  /* │●│●│●│●│●│●│●│●│ */ \
    "\xA2\x78\xA1\xB4" "\xA2\x78\xA1\xB4" "\xA2\x78\xA1\xB4" "\xA2\x78\xA1\xB4" \
    "\xA2\x78\xA1\xB4" "\xA2\x78\xA1\xB4" "\xA2\x78\xA1\xB4" "\xA2\x78\xA1\xB4" \
    "\xA2\x78"
const char row1[] = "\xA2\xB0" CELLS;  // １│●│…│
const char row2[] = "\xA2\xB1" CELLS;  // ２│●│…│
const char row3[] = "\xA2\xB2" CELLS;  // ３│●│…│
const char row4[] = "\xA2\xB3" CELLS;  // ４│●│…│
#undef CELLS
const char separator[] =  // 　├─┼─┼─┼─┼─┼─┼─┼─┤
    "\xA1\x40\xA2\x75"
    "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71"
    "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71" "\xA2\x77\xA2\x71"
    "\xA2\x77\xA2\x74";
const char bottomBorder[] =  // 　└─┴─┴─┴─┴─┴─┴─┴─┘
    "\xA1\x40\xA2\x7C"
    "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72"
    "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72" "\xA2\x77\xA2\x72"
    "\xA2\x77\xA2\x7D";

// Line i is drawn at (leftX, topY + i).
const char *const boardTemplate[10] = {
    labels, topBorder, row1, separator, row2,
    separator, row3, separator, row4, bottomBorder,
};

const char title[] =  // 暗　　　　　　　棋
    "\xB7\x74"
    "\xA1\x40\xA1\x40\xA1\x40\xA1\x40\xA1\x40\xA1\x40\xA1\x40"
    "\xB4\xD1";

// A run of instruction text and the attribute it is written in.
struct Piece {
    unsigned short color;
    const char *text;
};

const Piece firstInstructions[] = {
    {7, "\xBD\xD0\xA5\xCE "},                                      // 請用
    {15, "\xA1\xF4\xA1\xF5\xA1\xF6 \xA1\xF7"},                     // ↑↓← →
    {7, " \xB2\xBE\xB0\xCA, \xA5\xCE "},                           //  移動, 用
    {15, "\xAA\xC5\xA5\xD5"},                                      // 空白
    {7, " \xC1\xE4\xBF\xEF\xA8\xFA\xB4\xD1\xA4\x6C, \xAB\xF6 "},  //  鍵選取棋子, 按
    {15, "G"},
    {7, " \xA9\xF1\xB1\xF3,"},                                     //  放棄,
};

const Piece secondInstructions[] = {
    {7, "\xAB\xF6 "},                                                   // 按
    {15, "T"},
    {7, " \xA9\x4D\xA7\xBD, \xAB\xF6 "},                                //  和局, 按
    {15, "S"},
    {7, " \xC5\xE3\xA5\xDC/\xC1\xF4\xC2\xC3\xA6\xBA\xA4\x6C, "},       //  顯示/隱藏死子,
    {7, "\xB5\xB2\xA7\xF4\xBD\xD0\xAB\xF6 "},                           // 結束請按
    {15, "Esc"},
};

template <int N>
void writePieces(const Piece (&pieces)[N]) {
    for (const Piece &p : pieces) {
        setTextColor(p.color);
        textPut(p.text);
    }
}

}  // namespace

void displayBoard() {
    // Cleared in the attribute found on entry; 7 is set only afterwards.
    clrscr();
    setTextColor(7);
    for (int i = 0; i < 10; i++) {
        gotoxy(leftX, topY + i);
        textPut(boardTemplate[i]);
    }
    gotoxy(32, 2);
    setTextColor(10);
    textPut(title);
    gotoxy(15, 18);
    writePieces(firstInstructions);
    gotoxy(19, 19);
    writePieces(secondInstructions);
    setTextColor(7);
}

void displayPiece(int row, int col, int piece, int faceUp, int highlight) {
    // Only a red piece face up shows red: face down hides the side.
    unsigned short color = colors[piece] && faceUp ? 12 : 7;
    if (highlight == 1)
        color |= 0xA8;
    else if (highlight == 2)
        color |= 0x68;
    unsigned short previous = setTextColor(color);
    gotoxy(leftX + 4 + 4 * col, topY + 2 + 2 * row);
    textPut(faceUp ? pieceSymbols[piece] : backSymbol);
    gotoxy(1, 23);
    setTextColor(previous);
}
