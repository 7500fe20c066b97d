// On Windows the console's buffer keeps its size under the program: no
// size to watch and no redraw.
#include "platform/window_size.h"

bool windowSize(int &, int &) { return false; }

void onWindowResize(void (*)()) {}

void redrawIfResized() {}

bool waitForResize() { return false; }
