// The control strings of the terminal on standard output, from terminfo,
// or a plain ANSI set when terminfo does not know the terminal.
#ifndef PLATFORM_POSIX_WINCONSOLE_TERMINAL_CAPS_H
#define PLATFORM_POSIX_WINCONSOLE_TERMINAL_CAPS_H

#include <string>

struct TerminalCaps {
    // Templates in terminfo's notation; "" where the terminal lacks one.
    std::string moveTo;       // cup
    std::string plain;        // sgr0
    std::string bold;         // bold
    std::string foreground;   // setaf
    std::string background;   // setab
    std::string saveCursor;   // sc
    std::string restoreCursor;  // rc
    std::string eraseLine;    // el: to the end of the line
    std::string eraseScreen;  // ed: to the end of the screen
    std::string eraseChars;   // ech
    std::string clearScreen;  // clear: only asked whether there is one
    int colours = 0;
    bool erasesInBackground = false;  // bce: erased cells take the current background
    bool scrollsAtLastCell = false;   // am without xenl: writing the last cell scrolls
    int defaultCols = 80;
    int defaultRows = 24;
};

// Looked up on first use, for the terminal TERM names.
const TerminalCaps &terminalCaps();

// The templates filled in with their parameters; "" when absent.
std::string capMoveTo(const TerminalCaps &caps, int row, int col);
std::string capForeground(const TerminalCaps &caps, int colour);
std::string capBackground(const TerminalCaps &caps, int colour);
std::string capEraseChars(const TerminalCaps &caps, int count);

// Sends control strings through standard output's own stream, so they stay
// in order with the text written around them.
void emit(const std::string &control);

#endif
