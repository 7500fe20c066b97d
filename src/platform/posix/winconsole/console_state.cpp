#include "console_state.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "colour_map.h"
#include "terminal_caps.h"

namespace {

// A well-made program leaves the user's terminal in its own colours: once
// a colour has been set, plain attributes come back when the program exits.
void plainAtExit() {
    emit(terminalCaps().plain);
}

}  // namespace

ConsoleState &consoleState() {
    static ConsoleState state;
    return state;
}

bool terminalSize(int &cols, int &rows) {
    struct winsize size {};
    if (ioctl(fileno(stdout), TIOCGWINSZ, &size) != 0)
        return false;
    const TerminalCaps &caps = terminalCaps();
    cols = size.ws_col > 0 ? size.ws_col : caps.defaultCols;
    rows = size.ws_row > 0 ? size.ws_row : caps.defaultRows;
    return true;
}

void emitPen(WORD attribute) {
    static bool resetRegistered = false;
    if (!resetRegistered) {
        std::atexit(plainAtExit);
        resetRegistered = true;
    }
    const TerminalCaps &caps = terminalCaps();
    Pen pen = penForAttribute(attribute, caps.colours);
    std::string control = caps.plain;
    if (pen.bold)
        control += caps.bold;
    if (pen.fg >= 0)
        control += capForeground(caps, pen.fg);
    if (pen.bg >= 0)
        control += capBackground(caps, pen.bg);
    emit(control);
}

void emitPenInForce() {
    ConsoleState &state = consoleState();
    if (state.penSet)
        emitPen(state.attribute);
    else
        emit(terminalCaps().plain);
}
