// The tmux key names that take the play screen's cursor from one cell to
// another and press Space there, for the tools that play games in tests.
#ifndef TESTS_E2E_CURSOR_KEYS_H
#define TESTS_E2E_CURSOR_KEYS_H

#include <string>

#include "rules/rules.h"

// The arrows from cursor to cell, then Space; cursor ends on cell.
inline std::string keysTo(int &cursor, int cell) {
    std::string keys;
    int dr = cell / boardCols - cursor / boardCols;
    int dc = cell % boardCols - cursor % boardCols;
    for (; dr < 0; dr++) keys += "Up ";
    for (; dr > 0; dr--) keys += "Down ";
    for (; dc < 0; dc++) keys += "Left ";
    for (; dc > 0; dc--) keys += "Right ";
    cursor = cell;
    return keys + "Space";
}

#endif
