// The console layer: cursor position, clearing, text colour and sleeping.
// Positions are 1-based, x the column and y the row. Colours are Windows
// console attributes: bits 0-3 foreground (1 blue, 2 green, 4 red,
// 8 intensity), bits 4-7 the same for the background.
#ifndef CONSOLE_UTILWIN32_H
#define CONSOLE_UTILWIN32_H

// Moves the cursor to column x, row y. A position off the screen is
// refused and the cursor stays where it was.
void gotoxy(int x, int y);

// Blanks the whole screen buffer in the attribute in force and puts the
// cursor at (1, 1).
void clrscr();

// Sets the attribute of text written from now on (0 becomes 15) and
// returns the one that was in force, or 15 when it cannot be read.
unsigned short setTextColor(unsigned short attr);

// Sleeps for ms milliseconds.
void delay(int ms);

// What the console lacks to show a whole screen, in words, when standard
// output is a terminal that cannot move the cursor or clear the screen
// (TERM=dumb); null when it can, and always on Windows.
const char *consoleLacks();

#endif
