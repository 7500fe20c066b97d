// Glyphs, sides and ranks by piece id: 0-15 black, 16-31 red, id and
// id + 16 the same kind.
#include "ui/screen.h"
#include "ui/symbols.h"

namespace {
const char blank[] = "\xA1\x40";  // 　 (U+3000)
}

const char *const pieceSymbols0[33] = {
    blank,
    "\xB1\x4E",  // 將
    "\xA4\x68",  // 士
    "\xA4\x68",  // 士
    "\xB6\x48",  // 象
    "\xB6\x48",  // 象
    "\xA8\xAE",  // 車
    "\xA8\xAE",  // 車
    "\xB0\xA8",  // 馬
    "\xB0\xA8",  // 馬
    "\xA5\x5D",  // 包
    "\xA5\x5D",  // 包
    "\xA8\xF2",  // 卒
    "\xA8\xF2",  // 卒
    "\xA8\xF2",  // 卒
    "\xA8\xF2",  // 卒
    "\xA8\xF2",  // 卒
    "\xAB\xD3",  // 帥
    "\xA5\x4B",  // 仕
    "\xA5\x4B",  // 仕
    "\xAC\xDB",  // 相
    "\xAC\xDB",  // 相
    "\xDA\xCF",  // 硨
    "\xDA\xCF",  // 硨
    "\xD8\x58",  // 傌
    "\xD8\x58",  // 傌
    "\xAC\xB6",  // 炮
    "\xAC\xB6",  // 炮
    "\xA7\x4C",  // 兵
    "\xA7\x4C",  // 兵
    "\xA7\x4C",  // 兵
    "\xA7\x4C",  // 兵
    "\xA7\x4C",  // 兵
};

// One before id 0 is the blank, so pieceSymbols[-1] reads it.
const char *const *const pieceSymbols = pieceSymbols0 + 1;

const char *const backSymbol = "\xA1\xB4";  // ●
const char *const blankSymbol = blank;

const int colors[32] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
};

const int ranks[32] = {
    0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 6, 6, 6,
    0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 6, 6, 6,
};
