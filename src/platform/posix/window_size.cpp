// The window's size and resizes on a POSIX terminal.
#include "platform/window_size.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include "rawmode.h"
#include "terminal_hooks.h"

namespace {

void (*redrawHook)() = nullptr;
bool redrawing = false;

}  // namespace

bool windowSize(int &cols, int &rows) {
    struct winsize size {};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0 || size.ws_row == 0)
        return false;
    cols = size.ws_col;
    rows = size.ws_row;
    return true;
}

void onWindowResize(void (*redraw)()) {
    redrawHook = redraw;
    if (redraw)
        watchResizes();
}

void redrawIfResized() {
    if (!redrawHook || redrawing || !takeResize())
        return;
    redrawing = true;
    redrawHook();
    redrawing = false;
}

bool waitForResize() {
    int fd = watchResizes();
    if (fd < 0)
        return false;
    // Keys typed while the program waits stay off the screen.
    if (rawModeEnter(STDIN_FILENO))
        rawModeIdle();
    for (;;) {
        struct pollfd p = {fd, POLLIN, 0};
        if (poll(&p, 1, -1) < 0 && errno != EINTR)
            return false;
        if (takeResize())
            return true;
    }
}
