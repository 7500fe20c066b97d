// The Windows console operations the console layer uses, carried out on
// the terminal that standard output is connected to. Written for this
// program: only what it relies on of each operation is provided.
#ifndef PLATFORM_POSIX_WINCONSOLE_WINCONSOLE_H
#define PLATFORM_POSIX_WINCONSOLE_WINCONSOLE_H

#include <cstdint>

typedef int BOOL;             // nonzero: the operation was carried out
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int16_t SHORT;
typedef void *HANDLE;

// A cell of the buffer, counted from 0: X the column, Y the row.
struct COORD {
    SHORT X;
    SHORT Y;
};

struct SMALL_RECT {
    SHORT Left;
    SHORT Top;
    SHORT Right;
    SHORT Bottom;
};

struct CONSOLE_SCREEN_BUFFER_INFO {
    COORD dwSize;               // the terminal's columns and rows
    COORD dwCursorPosition;     // where these operations last put the cursor
    WORD wAttributes;           // the attribute in force, 7 at start
    SMALL_RECT srWindow;        // the whole terminal: it shows all its buffer
    COORD dwMaximumWindowSize;  // the terminal's size again
};

#define STD_OUTPUT_HANDLE ((DWORD)-11)

// The handle of standard output; null for any other.
HANDLE GetStdHandle(DWORD which);

// Reports size, cursor and attribute; fails when standard output is not
// a terminal, and then every other operation fails too, writing nothing.
BOOL GetConsoleScreenBufferInfo(HANDLE console, CONSOLE_SCREEN_BUFFER_INFO *info);

// Moves the cursor; a cell outside the terminal is refused.
BOOL SetConsoleCursorPosition(HANDLE console, COORD position);

// Text written from now on takes the attribute (bits 0-3 foreground:
// 1 blue, 2 green, 4 red, 8 intensity; bits 4-7 the background).
BOOL SetConsoleTextAttribute(HANDLE console, WORD attributes);

// Writes `length` copies of ch from `start` on, row after row, in the
// attribute in force, without moving the cursor. The run stops at the
// end of the terminal; *written tells how many cells it covered.
BOOL FillConsoleOutputCharacterA(HANDLE console, char ch, DWORD length, COORD start,
                                 DWORD *written);

// Gives a run of cells the attribute, without moving the cursor. A
// terminal cannot recolour a cell without writing it again, so the cells
// become spaces: the console layer colours only cells it has just blanked.
BOOL FillConsoleOutputAttribute(HANDLE console, WORD attribute, DWORD length, COORD start,
                                DWORD *written);

// Blocks for ms milliseconds.
void Sleep(DWORD ms);

// Not a Windows operation: what the terminal on standard output lacks for
// a whole screen, as words ("move the cursor", "clear the screen" or both,
// with TERM); null when it has both, is not known to terminfo (ANSI is
// assumed) or standard output is no terminal.
const char *winconsoleLacks();

// How many times GetStdHandle has run in this process, for tests of the
// console layer's promise to fetch its handle once.
long winconsoleHandleFetches();

#endif
