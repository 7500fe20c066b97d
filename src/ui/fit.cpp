// Whether the terminal can show the whole screen.
#include <cstdio>

#include "console/utilwin32.h"
#include "ui/screen.h"

bool screenPossible(const char *program) {
    const char *lacks = consoleLacks();
    if (!lacks)
        return true;
    std::fprintf(stderr,
                 "%s: %s; run it in a terminal that can, such as xterm "
                 "(TERM=xterm-256color)\n",
                 program, lacks);
    return false;
}
