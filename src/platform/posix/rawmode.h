// Key-at-a-time input on a terminal. One place changes the terminal's
// modes and one brings them back; the latter also runs at exit, on a
// fatal signal, and around a stop (Ctrl-Z) and continue.
#ifndef PLATFORM_POSIX_RAWMODE_H
#define PLATFORM_POSIX_RAWMODE_H

// Turns off line editing, echo and CR-to-NL translation on the terminal
// fd; signals (Ctrl-C) stay on. False when fd is not a terminal.
bool rawModeEnter(int fd);

// Between reads: puts back every mode rawModeEnter found but echo, which
// stays off until rawModeLeave. A key pressed while the program is busy
// drawing then waits unseen for the next read, as on a Windows console,
// instead of being echoed over the screen.
void rawModeIdle();

// Puts back the modes rawModeEnter found. Harmless when not in raw mode.
void rawModeLeave();

#endif
