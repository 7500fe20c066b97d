// Reads the Windows console back for the tests under Wine or Windows:
// what each cell holds, its attribute, the cursor. Positions are 1-based,
// x the column and y the row, as gotoxy takes them.
#ifndef TESTS_WINDOWS_PROBE_H
#define TESTS_WINDOWS_PROBE_H

#include <windows.h>

#include <ostream>
#include <string>

struct Pos {
    int x, y;
    bool operator==(const Pos &o) const { return x == o.x && y == o.y; }
};
std::ostream &operator<<(std::ostream &os, const Pos &p);

// The active screen buffer of the console (CONOUT$), whatever standard
// output is set to.
HANDLE activeScreen();

Pos cursorOf(HANDLE buffer = activeScreen());
WORD attributeOf(HANDLE buffer = activeScreen());
COORD sizeOf(HANDLE buffer = activeScreen());

// The bytes of cells cells from (x, y), for one-byte text.
std::string textAt(int x, int y, int cells, HANDLE buffer = activeScreen());

// The character whose cell starts at (x, y), in the console's code page
// (Big5 on code page 950).
std::string glyphAt(int x, int y, HANDLE buffer = activeScreen());

WORD attributeAt(int x, int y, HANDLE buffer = activeScreen());

// Fills the whole buffer with c in attribute attr and sets attr as the
// attribute in force, so that what a test draws stands out from it.
void paintScreen(char c, WORD attr);

// How many cells the console gives a two-byte Big5 character: 2 on
// Windows; Wine's console gives it 1. Writes at (1, 1).
int cellsPerBig5Glyph();

// Asks the runner (run-gtest.sh) to press keys in this console, given by
// their tmux names ("Up", "g G"), and returns at once: the keys arrive
// while the test waits for them. False when there is no runner to ask.
bool pressKeys(const char *keys);

#endif
