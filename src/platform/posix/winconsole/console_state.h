// What the console stand-ins keep between calls, and the pen they give
// the terminal.
#ifndef PLATFORM_POSIX_WINCONSOLE_CONSOLE_STATE_H
#define PLATFORM_POSIX_WINCONSOLE_CONSOLE_STATE_H

#include "winconsole.h"

struct ConsoleState {
    WORD attribute = 7;  // the attribute in force
    COORD cursor = {0, 0};  // where the operations last put the cursor
    bool penSet = false;  // false: the terminal still has its own colours
};

ConsoleState &consoleState();

// The terminal's size in cells; false when standard output is not a terminal.
bool terminalSize(int &cols, int &rows);

// Sets the terminal's pen to show the attribute.
void emitPen(WORD attribute);

// Puts back the pen of the attribute in force (or the terminal's own
// colours if none was ever set).
void emitPenInForce();

#endif
