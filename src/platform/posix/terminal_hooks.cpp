#include "terminal_hooks.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace {

struct Hooks {
    void (*leave)();
    void (*resume)();
};

// The program's own layers register a hook or two each.
Hooks hooks[8];
volatile sig_atomic_t hookCount = 0;

const int fatalSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void install(int sig, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(sig, &action, nullptr);
}

void leaveAll() {
    for (int i = hookCount - 1; i >= 0; i--)
        hooks[i].leave();
}

void onFatal(int sig) {
    leaveAll();
    install(sig, SIG_DFL);
    raise(sig);
}

// Ctrl-Z: give the shell its terminal back, stop, and on continue take up
// again where the program left off.
void onStop(int) {
    leaveAll();
    install(SIGTSTP, SIG_DFL);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &stop, nullptr);
    raise(SIGTSTP);
    install(SIGTSTP, onStop);
    for (int i = 0; i < hookCount; i++)
        if (hooks[i].resume)
            hooks[i].resume();
}

// A byte a resize: the handler records, the program's own flow acts.
int resizePipe[2] = {-1, -1};

void onResize(int) {
    int saved = errno;
    char byte = 1;
    ssize_t written = write(resizePipe[1], &byte, 1);  // full: one is recorded already
    (void)written;
    errno = saved;
}

void installUnlessIgnored(int sig, void (*handler)(int)) {
    struct sigaction previous {};
    sigaction(sig, nullptr, &previous);
    if (previous.sa_handler != SIG_IGN)  // keep what nohup and the like asked for
        install(sig, handler);
}

}  // namespace

void addTerminalHooks(void (*leave)(), void (*resume)()) {
    if (hookCount == 0) {
        for (int sig : fatalSignals)
            installUnlessIgnored(sig, onFatal);
        installUnlessIgnored(SIGTSTP, onStop);
    }
    if (hookCount < (sig_atomic_t)(sizeof hooks / sizeof hooks[0])) {
        hooks[hookCount] = {leave, resume};
        hookCount = hookCount + 1;
    }
}

int watchResizes() {
    if (resizePipe[0] >= 0)
        return resizePipe[0];
    int ends[2];
    if (pipe(ends) != 0)
        return -1;
    for (int fd : ends) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    resizePipe[1] = ends[1];
    resizePipe[0] = ends[0];
    install(SIGWINCH, onResize);
    return resizePipe[0];
}

int resizeFd() {
    return resizePipe[0];
}

bool takeResize() {
    if (resizePipe[0] < 0)
        return false;
    bool any = false;
    char bytes[64];
    while (read(resizePipe[0], bytes, sizeof bytes) > 0)
        any = true;
    return any;
}
