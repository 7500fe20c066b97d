// The window the program draws in: its size, and redrawing after it is
// resized. On a POSIX terminal a resize (SIGWINCH) is only recorded when
// it happens; the program redraws in its own flow: the key reader, while
// it waits for a key, runs the function set with onWindowResize, and
// redrawIfResized does at any other time. On Windows the console's buffer
// keeps its size under the program: windowSize is false and no redraw
// ever comes.
#ifndef PLATFORM_WINDOW_SIZE_H
#define PLATFORM_WINDOW_SIZE_H

// The window's columns and rows; false when standard output is no
// terminal or does not say (and always on Windows).
bool windowSize(int &cols, int &rows);

// Sets the function that redraws the whole screen after a resize (null:
// none), and starts watching for resizes.
void onWindowResize(void (*redraw)());

// Runs that function if the window was resized since it last ran. For
// code that keeps the program away from the key reader for a while.
void redrawIfResized();

// Waits until the window is resized, without running the redraw (the
// caller draws). Keys typed meanwhile wait unseen for the key reader.
// False at once when there is nothing to wait for.
bool waitForResize();

#endif
