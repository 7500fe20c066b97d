// The console operations on the terminal that standard output is
// connected to.
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "console_state.h"
#include "terminal_caps.h"
#include "winconsole.h"

namespace {

const BOOL done = 1;
const BOOL refused = 0;

char standardOutput;  // its address is the handle
long fetches = 0;

// The terminal's size, when the handle is standard output's and that is a terminal.
bool usable(HANDLE console, int &cols, int &rows) {
    return console == &standardOutput && terminalSize(cols, rows);
}

bool inside(COORD cell, int cols, int rows) {
    return cell.X >= 0 && cell.Y >= 0 && cell.X < cols && cell.Y < rows;
}

DWORD cellsFrom(COORD start, DWORD length, int cols, int rows) {
    DWORD left = (DWORD)(rows - start.Y) * (DWORD)cols - (DWORD)start.X;
    return length < left ? length : left;
}

void saveCursor(const TerminalCaps &caps) {
    emit(caps.saveCursor);
}

// Back where the cursor was; without rc, where these operations last put it.
void restoreCursor(const TerminalCaps &caps) {
    if (!caps.restoreCursor.empty()) {
        emit(caps.restoreCursor);
        return;
    }
    const COORD &at = consoleState().cursor;
    emit(capMoveTo(caps, at.Y, at.X));
}

// One row's part of a run: count cells from (row, col) on.
struct Segment {
    int row;
    int col;
    int count;
};

template <typename Each>
void forEachRow(COORD start, DWORD count, int cols, Each each) {
    int row = start.Y;
    int col = start.X;
    while (count > 0) {
        DWORD n = (DWORD)(cols - col);
        if (n > count)
            n = count;
        each(Segment{row, col, (int)n});
        count -= n;
        ++row;
        col = 0;
    }
}

// Writes the character over the run in the current pen.
void writeRun(const TerminalCaps &caps, char ch, COORD start, DWORD count, int cols,
              int rows) {
    forEachRow(start, count, cols, [&](Segment s) {
        int shown = s.count;
        // Such a terminal would scroll the whole screen up; that cell stays as it was.
        if (caps.scrollsAtLastCell && s.row == rows - 1 && s.col + s.count == cols)
            --shown;
        emit(capMoveTo(caps, s.row, s.col));
        for (int i = 0; i < shown; ++i)
            std::putc(ch, stdout);
    });
}

// Blanks the run with the terminal's erase controls where it has them.
void eraseRun(const TerminalCaps &caps, COORD start, DWORD count, int cols, int rows) {
    if (count == cellsFrom(start, (DWORD)-1, cols, rows) && !caps.eraseScreen.empty()) {
        emit(capMoveTo(caps, start.Y, start.X));
        emit(caps.eraseScreen);
        return;
    }
    forEachRow(start, count, cols, [&](Segment s) {
        COORD at = {(SHORT)s.col, (SHORT)s.row};
        if (s.col + s.count == cols && !caps.eraseLine.empty()) {
            emit(capMoveTo(caps, s.row, s.col));
            emit(caps.eraseLine);
        } else if (!caps.eraseChars.empty()) {
            emit(capMoveTo(caps, s.row, s.col));
            emit(capEraseChars(caps, s.count));
        } else {
            writeRun(caps, ' ', at, (DWORD)s.count, cols, rows);
        }
    });
}

BOOL fill(HANDLE console, char ch, const WORD *attribute, DWORD length, COORD start,
          DWORD *written) {
    int cols = 0, rows = 0;
    *written = 0;
    if (!usable(console, cols, rows) || !inside(start, cols, rows))
        return refused;
    const TerminalCaps &caps = terminalCaps();
    if (caps.moveTo.empty())
        return refused;
    DWORD count = cellsFrom(start, length, cols, rows);
    // A fill leaves the cursor where it was.
    saveCursor(caps);
    if (attribute)
        emitPen(*attribute);
    if (ch != ' ') {
        writeRun(caps, ch, start, count, cols, rows);
    } else {
        eraseRun(caps, start, count, cols, rows);
        // Erased cells take the current background only where the terminal
        // says so (bce); elsewhere the spaces are written in the pen.
        if (!caps.erasesInBackground)
            writeRun(caps, ' ', start, count, cols, rows);
    }
    if (attribute)
        emitPenInForce();
    restoreCursor(caps);
    *written = count;
    return done;
}

}  // namespace

HANDLE GetStdHandle(DWORD which) {
    ++fetches;
    return which == STD_OUTPUT_HANDLE ? &standardOutput : nullptr;
}

const char *winconsoleLacks() {
    if (!isatty(fileno(stdout)))
        return nullptr;
    const TerminalCaps &caps = terminalCaps();
    bool move = !caps.moveTo.empty();
    bool clear = !caps.clearScreen.empty() || !caps.eraseScreen.empty();
    if (move && clear)
        return nullptr;
    static std::string lacks;
    const char *term = std::getenv("TERM");
    lacks = std::string("this terminal (TERM=") + (term ? term : "") + ") cannot " +
            (!move && !clear ? "move the cursor or clear the screen"
             : !move         ? "move the cursor"
                             : "clear the screen");
    return lacks.c_str();
}

long winconsoleHandleFetches() {
    return fetches;
}

BOOL GetConsoleScreenBufferInfo(HANDLE console, CONSOLE_SCREEN_BUFFER_INFO *info) {
    int cols = 0, rows = 0;
    if (!usable(console, cols, rows))
        return refused;
    const ConsoleState &state = consoleState();
    SHORT width = (SHORT)cols;
    SHORT height = (SHORT)rows;
    info->dwSize = {width, height};
    info->dwCursorPosition = state.cursor;
    info->wAttributes = state.attribute;
    info->srWindow = {0, 0, (SHORT)(width - 1), (SHORT)(height - 1)};
    info->dwMaximumWindowSize = {width, height};
    return done;
}

BOOL SetConsoleCursorPosition(HANDLE console, COORD position) {
    int cols = 0, rows = 0;
    if (!usable(console, cols, rows) || !inside(position, cols, rows))
        return refused;
    const TerminalCaps &caps = terminalCaps();
    if (caps.moveTo.empty())
        return refused;
    emit(capMoveTo(caps, position.Y, position.X));
    consoleState().cursor = position;
    return done;
}

BOOL SetConsoleTextAttribute(HANDLE console, WORD attributes) {
    int cols = 0, rows = 0;
    if (!usable(console, cols, rows))
        return refused;
    emitPen(attributes);
    ConsoleState &state = consoleState();
    state.attribute = attributes;
    state.penSet = true;
    return done;
}

BOOL FillConsoleOutputCharacterA(HANDLE console, char ch, DWORD length, COORD start,
                                 DWORD *written) {
    return fill(console, ch, nullptr, length, start, written);
}

BOOL FillConsoleOutputAttribute(HANDLE console, WORD attribute, DWORD length, COORD start,
                                DWORD *written) {
    return fill(console, ' ', &attribute, length, start, written);
}

void Sleep(DWORD ms) {
    struct timespec left;
    left.tv_sec = (time_t)(ms / 1000);
    left.tv_nsec = (long)(ms % 1000) * 1000000L;
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
}
