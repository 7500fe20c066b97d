#include "terminal_caps.h"

#include <curses.h>
#include <term.h>

#include <cstdio>

namespace {

std::string stringCap(const char *name) {
    const char *value = tigetstr(name);
    if (value == nullptr || value == (const char *)-1)
        return "";
    return value;
}

// What users of modern terminals expect when terminfo has no entry:
// ECMA-48 controls, eight colours, and DEC's cursor save and restore.
TerminalCaps ansiCaps() {
    TerminalCaps caps;
    caps.moveTo = "\033[%i%p1%d;%p2%dH";
    caps.plain = "\033[m";
    caps.bold = "\033[1m";
    caps.foreground = "\033[3%p1%dm";
    caps.background = "\033[4%p1%dm";
    caps.saveCursor = "\0337";
    caps.restoreCursor = "\0338";
    caps.eraseLine = "\033[K";
    caps.eraseScreen = "\033[J";
    caps.eraseChars = "\033[%p1%dX";
    caps.clearScreen = "\033[H\033[2J";
    caps.colours = 8;
    caps.erasesInBackground = true;
    return caps;
}

TerminalCaps lookUp() {
    int status = 0;
    if (setupterm(nullptr, fileno(stdout), &status) != OK)
        return ansiCaps();
    TerminalCaps caps;
    caps.moveTo = stringCap("cup");
    caps.plain = stringCap("sgr0");
    caps.bold = stringCap("bold");
    caps.foreground = stringCap("setaf");
    caps.background = stringCap("setab");
    caps.saveCursor = stringCap("sc");
    caps.restoreCursor = stringCap("rc");
    caps.eraseLine = stringCap("el");
    caps.eraseScreen = stringCap("ed");
    caps.eraseChars = stringCap("ech");
    caps.clearScreen = stringCap("clear");
    caps.colours = tigetnum("colors");
    caps.erasesInBackground = tigetflag("bce") > 0;
    caps.scrollsAtLastCell = tigetflag("am") > 0 && tigetflag("xenl") <= 0;
    if (tigetnum("cols") > 0)
        caps.defaultCols = tigetnum("cols");
    if (tigetnum("lines") > 0)
        caps.defaultRows = tigetnum("lines");
    return caps;
}

int toStdout(int c) {
    return std::putc(c, stdout);
}

std::string expand(const std::string &templ, int a) {
    if (templ.empty())
        return "";
    const char *s = tiparm(templ.c_str(), a);
    return s ? s : "";
}

}  // namespace

const TerminalCaps &terminalCaps() {
    static const TerminalCaps caps = lookUp();
    return caps;
}

std::string capMoveTo(const TerminalCaps &caps, int row, int col) {
    if (caps.moveTo.empty())
        return "";
    const char *s = tiparm(caps.moveTo.c_str(), row, col);
    return s ? s : "";
}

std::string capForeground(const TerminalCaps &caps, int colour) {
    return expand(caps.foreground, colour);
}

std::string capBackground(const TerminalCaps &caps, int colour) {
    return expand(caps.background, colour);
}

std::string capEraseChars(const TerminalCaps &caps, int count) {
    return expand(caps.eraseChars, count);
}

void emit(const std::string &control) {
    if (!control.empty())
        tputs(control.c_str(), 1, toStdout);  // tputs honours any padding
}
