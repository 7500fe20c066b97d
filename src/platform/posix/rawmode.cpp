#include "rawmode.h"

#include "terminal_hooks.h"

#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace {

struct termios original;
struct termios raw;
struct termios idle;
const struct termios *current = &raw;  // raw while reading, idle between reads
int terminalFd = -1;
volatile sig_atomic_t active = 0;

// The modes the shell had, while the program has the terminal.
void giveBack() {
    if (active)
        tcsetattr(terminalFd, TCSANOW, &original);
}

// On continue after a stop: raw mode again where the read left off.
void takeUp() {
    if (active)
        tcsetattr(terminalFd, TCSANOW, current);
}

}  // namespace

bool rawModeEnter(int fd) {
    if (active && fd == terminalFd) {
        current = &raw;
        return tcsetattr(fd, TCSANOW, &raw) == 0;
    }
    if (active)
        rawModeLeave();
    struct termios now;
    if (tcgetattr(fd, &now) != 0)
        return false;
    static bool hooked = false;
    if (!hooked) {
        addTerminalHooks(giveBack, takeUp);
        std::atexit(rawModeLeave);
        hooked = true;
    }
    original = now;
    raw = now;
    raw.c_iflag &= ~(tcflag_t)(ICRNL | IXON);
    raw.c_lflag &= ~(tcflag_t)(ICANON | ECHO | IEXTEN);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    idle = now;
    idle.c_lflag &= ~(tcflag_t)(ECHO | ECHONL);
    current = &raw;
    terminalFd = fd;
    active = 1;
    if (tcsetattr(fd, TCSANOW, &raw) != 0) {
        active = 0;
        return false;
    }
    return true;
}

void rawModeIdle() {
    if (!active)
        return;
    current = &idle;
    tcsetattr(terminalFd, TCSANOW, &idle);
}

void rawModeLeave() {
    if (!active)
        return;
    tcsetattr(terminalFd, TCSANOW, &original);
    active = 0;
}
