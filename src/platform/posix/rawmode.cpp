#include "rawmode.h"

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

const int fatalSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void install(int sig, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(sig, &action, nullptr);
}

void onFatal(int sig) {
    if (active)
        tcsetattr(terminalFd, TCSANOW, &original);
    install(sig, SIG_DFL);
    raise(sig);
}

// Ctrl-Z: give the shell its terminal back, stop, and on continue take
// up raw mode again where the read left off.
void onStop(int) {
    bool wasActive = active;
    if (wasActive)
        tcsetattr(terminalFd, TCSANOW, &original);
    install(SIGTSTP, SIG_DFL);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &stop, nullptr);
    raise(SIGTSTP);
    install(SIGTSTP, onStop);
    if (wasActive)
        tcsetattr(terminalFd, TCSANOW, current);
}

void installHandlers() {
    for (int sig : fatalSignals) {
        struct sigaction previous {};
        sigaction(sig, nullptr, &previous);
        if (previous.sa_handler != SIG_IGN)  // keep what nohup and the like asked for
            install(sig, onFatal);
    }
    struct sigaction previous {};
    sigaction(SIGTSTP, nullptr, &previous);
    if (previous.sa_handler != SIG_IGN)
        install(SIGTSTP, onStop);
    std::atexit(rawModeLeave);
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
    static bool handlersInstalled = false;
    if (!handlersInstalled) {
        installHandlers();
        handlersInstalled = true;
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
