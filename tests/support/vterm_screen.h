// Runs a piece of code on a pseudo-terminal and reads back what a
// terminal would show: every cell's character and colours, and the cursor.
// The terminal is libvterm, fed with everything the code writes.
#ifndef TESTS_SUPPORT_VTERM_SCREEN_H
#define TESTS_SUPPORT_VTERM_SCREEN_H

#include <functional>
#include <string>
#include <vector>

// One cell of the emulated screen. fg/bg are palette indexes 0-15 as the
// program set them (after the emulator's own mapping), -1 for the default
// colour, -2 for a direct RGB colour.
struct ScreenCell {
    std::string text;  // the character as UTF-8, " " for a blank cell, "" for the right half of a wide one
    int fg = -1;
    int bg = -1;
    bool bold = false;
    int width = 0;     // 1, or 2 for a wide character; 0 outside the screen
};

struct Screen {
    int cursorX = 0, cursorY = 0;  // 1-based, as gotoxy counts
    int exitCode = -1;             // what body returned (the child's exit status); -1 if it did not exit
    int termSignal = 0;            // the signal that ended the child, 0 if none
    bool timedOut = false;         // the child was killed after running too long
    int cols = 0, rows = 0;
    // Text of `ncols` columns from (x, y), 1-based; a wide character
    // counts two columns and appears once.
    std::string text(int x, int y, int ncols) const;
    std::string row(int y) const;  // the whole row
    ScreenCell cell(int x, int y) const;
    std::string raw;               // every byte the child wrote
    std::vector<ScreenCell> cells; // rows * cols, row by row
};

// Runs body in a forked child whose stdin, stdout and stderr are the slave
// side of a pseudo-terminal of cols x rows (its controlling terminal), with
// TERM=xterm-256color and LC_ALL=C.UTF-8 in its environment (LINES and
// COLUMNS removed), so text output converts Big5 to UTF-8 as on a usual
// Linux terminal. The body may change the environment before the code
// under test first looks at it (e.g. setenv("TERM", "xterm", 1)).
// `input` is written to the terminal for the child to read; the terminal
// starts with echo off, so typed-ahead keys never land on the screen.
// The child ends with exit(body()), so atexit handlers run. The parent
// answers the emulator's replies to queries (cursor reports and the like)
// and feeds everything the child writes into libvterm until the child has
// exited and closed the terminal, then returns the screen. A child still
// running after a minute is killed (timedOut). A fresh child per call
// means the console layer's first-use state starts fresh each time.
Screen runOnTerminal(const std::function<int()> &body,
                     const std::string &input = "",
                     int cols = 80, int rows = 25);

// The palette index a 16-colour terminal shows for a Windows console
// attribute: Windows orders the colour bits blue, green, red, terminals
// red, green, blue; the intensity bit (3 for the foreground, 7 for the
// background) adds 8.
int ansiForeground(unsigned short attr);
int ansiBackground(unsigned short attr);

#endif
