#include "console_state.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "colour_map.h"
#include "platform/posix/terminal_hooks.h"
#include "terminal_caps.h"

namespace {

// A well-made program leaves the user's terminal in its own colours: once
// a colour has been set, plain attributes come back when the program
// exits, and also when a signal ends or stops it; on continue the pen in
// force comes back. The signal hooks can only write bytes made ready
// beforehand: the pen's are kept in one of two buffers, filled in turn.
struct Bytes {
    char text[256];
    std::size_t length;
};
Bytes plainBytes;
Bytes penBytes[2];
volatile sig_atomic_t penReady = 0;

void keep(Bytes &into, const std::string &control) {
    into.length = control.size() < sizeof into.text ? control.size() : 0;
    std::memcpy(into.text, control.data(), into.length);
}

void writeOut(const Bytes &bytes) {
    // Inside a signal handler there is nothing to do about a failed write.
    ssize_t written = write(STDOUT_FILENO, bytes.text, bytes.length);
    (void)written;
}

void plainOnSignal() { writeOut(plainBytes); }
void penOnContinue() { writeOut(penBytes[penReady]); }

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
    const TerminalCaps &caps = terminalCaps();
    static bool resetRegistered = false;
    if (!resetRegistered) {
        std::atexit(plainAtExit);
        keep(plainBytes, caps.plain);
        addTerminalHooks(plainOnSignal, penOnContinue);
        resetRegistered = true;
    }
    Pen pen = penForAttribute(attribute, caps.colours);
    std::string control = caps.plain;
    if (pen.bold)
        control += caps.bold;
    if (pen.fg >= 0)
        control += capForeground(caps, pen.fg);
    if (pen.bg >= 0)
        control += capBackground(caps, pen.bg);
    emit(control);
    int spare = 1 - penReady;
    keep(penBytes[spare], control);
    penReady = spare;
}

void emitPenInForce() {
    ConsoleState &state = consoleState();
    if (state.penSet)
        emitPen(state.attribute);
    else
        emit(terminalCaps().plain);
}
