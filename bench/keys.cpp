// How long a key takes from its bytes written into a pseudo-terminal to
// getKey returning it, for Esc (which waits out the pause that tells it
// from the start of a sequence), an arrow, and Space as the floor.
// Prints medians and 95th percentiles in milliseconds.
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/screen.h"

namespace {

double nowMs() {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Reply {
    int key;
    double at;
};

[[noreturn]] void fail(const char *what) {
    std::perror(what);
    std::exit(1);
}

// Waits until the reader has the terminal in its key-at-a-time mode.
void waitReading(int slave) {
    termios t;
    double end = nowMs() + 10000;
    while (tcgetattr(slave, &t) == 0 && (t.c_lflag & ICANON)) {
        if (nowMs() > end)
            fail("reader never waited for a key");
        usleep(200);
    }
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, (std::size_t)(p * (v.size() - 1) + 0.5))];
}

}  // namespace

int main(int argc, char **argv) {
    int presses = argc > 1 ? std::atoi(argv[1]) : 200;
    int master, slave, replies[2];
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0 || pipe(replies) != 0)
        fail("pseudo-terminal");
    pid_t child = fork();
    if (child == 0) {
        setsid();
        ioctl(slave, TIOCSCTTY, 0);
        dup2(slave, STDIN_FILENO);
        close(master);
        for (;;) {
            Reply r;
            r.key = getKey();
            r.at = nowMs();
            if (write(replies[1], &r, sizeof r) != sizeof r)
                _exit(0);
        }
    }
    close(replies[1]);

    struct Case {
        const char *name;
        std::string bytes;
        int key;
    };
    const Case cases[] = {{"Esc", "\x1b", 27}, {"Up arrow", "\x1b[A", 72}, {"Space", " ", 32}};
    std::printf("%d presses each, milliseconds from the bytes written to getKey returning\n",
                presses);
    std::printf("%-10s %8s %8s %8s\n", "key", "median", "p95", "max");
    for (const Case &c : cases) {
        std::vector<double> took;
        for (int i = 0; i < presses; ++i) {
            waitReading(slave);
            double sent = nowMs();
            if (write(master, c.bytes.data(), c.bytes.size()) != (ssize_t)c.bytes.size())
                fail("write");
            Reply r;
            if (read(replies[0], &r, sizeof r) != sizeof r || r.key != c.key)
                fail("reply");
            took.push_back(r.at - sent);
        }
        std::printf("%-10s %8.2f %8.2f %8.2f\n", c.name, percentile(took, 0.5),
                    percentile(took, 0.95), *std::max_element(took.begin(), took.end()));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return 0;
}
