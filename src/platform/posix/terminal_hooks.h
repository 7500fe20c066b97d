// What the program has done to the terminal, undone when a signal takes
// the terminal away from it: a fatal one (Ctrl-C, SIGTERM, SIGHUP,
// SIGQUIT), after which the signal ends the program as it would have, or
// a stop (Ctrl-Z), after which the program's state is taken up again on
// continue. The one place that handles those signals, and resizes of the
// terminal's window (SIGWINCH), which it only records.
#ifndef PLATFORM_POSIX_TERMINAL_HOOKS_H
#define PLATFORM_POSIX_TERMINAL_HOOKS_H

// leave runs, newest first, when the program is ended or stopped by a
// signal; resume (may be null) runs, oldest first, when it continues. Both
// run inside a signal handler: only async-signal-safe calls (tcsetattr,
// write). A signal the program was started with ignored stays ignored.
void addTerminalHooks(void (*leave)(), void (*resume)());

// Starts recording resizes (once; later calls do nothing more) and returns
// a descriptor that is readable while a recorded resize has not been taken,
// for poll; -1 when resizes are not recorded.
int watchResizes();

// The descriptor watchResizes returned, or -1 before it.
int resizeFd();

// True when the window was resized since the last call; takes the record.
bool takeResize();

#endif
