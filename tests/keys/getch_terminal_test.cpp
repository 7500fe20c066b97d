// _getch and getKey on a real pseudo-terminal, in a child process whose
// standard input is the terminal's slave side.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/discard_keys.h"
#include "platform/getch.h"
#include "platform/textout.h"
#include "ui/screen.h"

namespace {

// Generous: a loaded machine must not fail these, only a reader that hangs.
const int patienceMs = 10000;

long long nowMs() {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000LL + t.tv_nsec / 1000000;
}

void sleepMs(int ms) {
    struct timespec t = {0, ms * 1000000L};
    nanosleep(&t, nullptr);
}

bool sameModes(const termios &a, const termios &b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

// A child reading keys from a pseudo-terminal; every code it reads comes
// back through a pipe.
class TerminalReader : public testing::Test {
protected:
    int master = -1, slave = -1;
    int results[2] = {-1, -1};
    pid_t child = -1;
    termios before{};

    void SetUp() override {
        ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
        ASSERT_EQ(pipe(results), 0);
        ASSERT_EQ(tcgetattr(slave, &before), 0);
    }

    void TearDown() override {
        if (child > 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        for (int fd : {master, slave, results[0], results[1]})
            if (fd >= 0)
                close(fd);
    }

    // Starts the child: a session of its own with the terminal as its
    // controlling one (so Ctrl-C reaches it), reading with body.
    void start(const std::function<void(int out)> &body, bool controlling = true) {
        child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setsid();
            if (controlling)
                ioctl(slave, TIOCSCTTY, 0);
            dup2(slave, STDIN_FILENO);
            int devnull = open("/dev/null", O_WRONLY);
            dup2(devnull, STDOUT_FILENO);
            close(master);
            close(results[0]);
            body(results[1]);
            _exit(0);
        }
        close(results[1]);
        results[1] = -1;
    }

    static void readForever(int out) {
        for (;;) {
            int c = _getch();
            if (write(out, &c, sizeof c) != sizeof c)
                _exit(1);
        }
    }

    // The next code the child read; -1 when none comes in time.
    int nextCode(int ms = patienceMs) {
        struct pollfd p = {results[0], POLLIN, 0};
        if (poll(&p, 1, ms) <= 0)
            return -1;
        int c;
        return read(results[0], &c, sizeof c) == sizeof c ? c : -1;
    }

    bool terminalRaw() {
        termios now;
        return tcgetattr(slave, &now) == 0 && !(now.c_lflag & ICANON);
    }

    // Waits until the child has the terminal in its reading mode.
    bool waitRaw() {
        for (long long end = nowMs() + patienceMs; nowMs() < end; sleepMs(1))
            if (terminalRaw())
                return true;
        return false;
    }

    void send(const std::string &bytes) {
        ASSERT_EQ(write(master, bytes.data(), bytes.size()), (ssize_t)bytes.size());
    }

    bool modesAsBefore() {
        termios now;
        return tcgetattr(slave, &now) == 0 && sameModes(now, before);
    }

    // The child's end: the signal that ended it, 0 for a normal exit.
    int waitEnd() {
        int status = 0;
        for (long long end = nowMs() + patienceMs; nowMs() < end; sleepMs(1)) {
            if (waitpid(child, &status, WNOHANG) == child) {
                child = -1;
                return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
            }
        }
        return -1;
    }
};

TEST_F(TerminalReader, EscAloneIsAKeyAndAnArrowWithGapsIsOne) {
    start(readForever);
    ASSERT_TRUE(waitRaw());
    EXPECT_FALSE(modesAsBefore());
    send("\x1b");
    EXPECT_EQ(nextCode(), 27);  // with no further byte ever sent

    ASSERT_TRUE(waitRaw());
    send("\x1b");
    sleepMs(5);
    send("[");
    sleepMs(5);
    send("A");
    EXPECT_EQ(nextCode(), 224);
    EXPECT_EQ(nextCode(), 72);

    // A pair's second code comes from the queue, not the terminal.
    ASSERT_TRUE(waitRaw());
    send("\x1b[24~g");
    EXPECT_EQ(nextCode(), 224);
    EXPECT_EQ(nextCode(), 134);
    EXPECT_EQ(nextCode(), 'g');
}

TEST_F(TerminalReader, ReadsWithoutEchoOrEnterAndEnterIs13) {
    start(readForever);
    ASSERT_TRUE(waitRaw());
    send("x\r\x7f\xe4\xb8\xad");
    EXPECT_EQ(nextCode(), 'x');
    EXPECT_EQ(nextCode(), 13);
    EXPECT_EQ(nextCode(), 8);
    EXPECT_EQ(nextCode(), '?');
    ASSERT_TRUE(waitRaw());
    char echoed[16];
    struct pollfd p = {master, POLLIN, 0};
    EXPECT_EQ(poll(&p, 1, 50), 0) << "echoed "
                                  << read(master, echoed, sizeof echoed) << " bytes";
}

// The reading mode lasts only while a key is read. Between reads only echo
// stays off, so a key pressed meanwhile waits unseen for the next read; at
// exit every mode is as before.
TEST_F(TerminalReader, BetweenKeysOnlyEchoStaysOffAndAtExitAllIsAsBefore) {
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    start([go](int out) {
        for (int key = 0; key < 2; key++) {
            int c = _getch();
            if (write(out, &c, sizeof c) != sizeof c)
                _exit(1);
            char byte;
            if (key == 0 && read(go[0], &byte, 1) != 1)  // until the parent has looked
                _exit(1);
        }
        std::exit(0);
    });
    ASSERT_TRUE(waitRaw());
    send("a");
    EXPECT_EQ(nextCode(), 'a');
    termios between;
    for (long long end = nowMs() + patienceMs; terminalRaw() && nowMs() < end;)
        sleepMs(1);
    ASSERT_EQ(tcgetattr(slave, &between), 0);
    termios expected = before;
    expected.c_lflag &= ~(tcflag_t)(ECHO | ECHONL);
    EXPECT_TRUE(sameModes(between, expected));

    send("b");
    struct pollfd p = {master, POLLIN, 0};
    EXPECT_EQ(poll(&p, 1, 50), 0) << "a key between reads was echoed";
    ASSERT_EQ(write(go[1], "g", 1), 1);
    EXPECT_EQ(nextCode(), 'b');
    EXPECT_EQ(waitEnd(), 0);
    EXPECT_TRUE(modesAsBefore());
    close(go[0]);
    close(go[1]);
}

class Interrupted : public TerminalReader, public testing::WithParamInterface<int> {};

TEST_P(Interrupted, WhileWaitingLeavesModesAsBefore) {
    int sig = GetParam();
    start(readForever);
    ASSERT_TRUE(waitRaw());
    if (sig == SIGINT)
        send("\x03");  // Ctrl-C, as the terminal turns it into the signal
    else
        kill(child, sig);
    EXPECT_EQ(waitEnd(), sig);
    EXPECT_TRUE(modesAsBefore());
}

INSTANTIATE_TEST_SUITE_P(Signals, Interrupted, testing::Values(SIGINT, SIGTERM, SIGHUP),
                         [](const testing::TestParamInfo<int> &info) {
                             return std::string(sigabbrev_np(info.param));
                         });

// Input that has ended gives Esc at once, every time, and getKey returns it.
TEST_F(TerminalReader, EndOfInputGivesEscWithoutWaiting) {
    start([](int out) {
        int devnull = open("/dev/null", O_RDONLY);
        dup2(devnull, STDIN_FILENO);
        int codes[3] = {_getch(), _getch(), getKey()};
        if (write(out, codes, sizeof codes) != sizeof codes)
            _exit(1);
    });
    EXPECT_EQ(nextCode(), 27);
    EXPECT_EQ(nextCode(), 27);
    EXPECT_EQ(nextCode(), 27);
    EXPECT_EQ(waitEnd(), 0);
}

TEST_F(TerminalReader, PipeIsReadUntilItEnds) {
    start([](int out) {
        int keys[2];
        if (pipe(keys) != 0 || write(keys[1], "Gs\x1b[A", 5) != 5)
            _exit(1);
        close(keys[1]);
        dup2(keys[0], STDIN_FILENO);
        int codes[5] = {getKey(), _getch(), getKey(), getKey(), _getch()};
        if (write(out, codes, sizeof codes) != sizeof codes)
            _exit(1);
    });
    for (int expected : {71, (int)'s', 72, 27, 27})
        EXPECT_EQ(nextCode(), expected);
    EXPECT_EQ(waitEnd(), 0);
}

// Keys typed while the program was busy (a whole key, and one cut short)
// are dropped; the next key typed is the next one read.
TEST_F(TerminalReader, KeysTypedAheadAreDiscarded) {
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    start([&go](int out) {
        char byte;
        if (read(go[0], &byte, 1) != 1)
            _exit(1);
        discardTypedKeys();
        int done = 0;
        if (write(out, &done, sizeof done) != sizeof done)
            _exit(1);
        readForever(out);
    });
    // Not line by line, so that the terminal can say how much it holds.
    termios uncooked = before;
    uncooked.c_lflag &= ~(tcflag_t)(ICANON | ECHO);
    ASSERT_EQ(tcsetattr(slave, TCSANOW, &uncooked), 0);
    send("ab\x1b[A\x1b[");
    // Until the terminal holds them all, the child waits.
    int held = 0;
    for (long long end = nowMs() + patienceMs; held < 7 && nowMs() < end; sleepMs(1))
        ASSERT_EQ(ioctl(slave, FIONREAD, &held), 0);
    ASSERT_EQ(held, 7);
    ASSERT_EQ(write(go[1], "x", 1), 1);
    ASSERT_EQ(nextCode(), 0);  // the child has discarded
    send("T");
    EXPECT_EQ(nextCode(), 'T');
    EXPECT_EQ(nextCode(300), -1);
    close(go[0]);
    close(go[1]);
}

// Input from a pipe is a script, not keys typed ahead: nothing is dropped.
TEST_F(TerminalReader, PipedInputIsNotDiscarded) {
    start([](int out) {
        int keys[2];
        if (pipe(keys) != 0 || write(keys[1], "Gs", 2) != 2)
            _exit(1);
        close(keys[1]);
        dup2(keys[0], STDIN_FILENO);
        discardTypedKeys();
        int codes[2] = {_getch(), _getch()};
        if (write(out, codes, sizeof codes) != sizeof codes)
            _exit(1);
    });
    EXPECT_EQ(nextCode(), 'G');
    EXPECT_EQ(nextCode(), 's');
    EXPECT_EQ(waitEnd(), 0);
}

// The terminal goes away (its master closed) while the child waits.
TEST_F(TerminalReader, HangupEndsTheWait) {
    start(readForever, false);
    ASSERT_TRUE(waitRaw());
    close(master);
    master = -1;
    EXPECT_EQ(nextCode(), 27);
    EXPECT_EQ(nextCode(), 27);
}

}  // namespace

// The ambiguous-width probe on a terminal that is both standard input and
// output: the child's first text flush asks; the test answers as the
// terminal, in time or late, with keys before the answers.
class ProbedReader : public TerminalReader {
protected:
    std::string shown;  // what the child wrote to the terminal

    static void probeThenRead(int out) {
        dup2(STDIN_FILENO, STDOUT_FILENO);
        setenv("TERM", "xterm-256color", 1);
        setenv("LC_ALL", "C.UTF-8", 1);
        textFlush();  // the text output decides, and asks the terminal
        readForever(out);
    }

    // Reads what the child writes until it has asked twice.
    bool waitQuestion() {
        for (long long end = nowMs() + patienceMs; nowMs() < end;) {
            std::size_t first = shown.find("\x1b[6n");
            if (first != std::string::npos && shown.find("\x1b[6n", first + 1) != std::string::npos)
                return true;
            struct pollfd p = {master, POLLIN, 0};
            if (poll(&p, 1, 100) > 0) {
                char buffer[256];
                ssize_t n = read(master, buffer, sizeof buffer);
                if (n > 0)
                    shown.append(buffer, (std::size_t)n);
            }
        }
        return false;
    }
};

TEST_F(ProbedReader, KeysTypedBeforeTheAnswerAreReadAndTheAnswerIsNot) {
    start(probeThenRead);
    ASSERT_TRUE(waitQuestion());
    send("k\x1b[2;1R\x1b[2;3R");
    EXPECT_EQ(nextCode(), 'k');
    send("j");
    EXPECT_EQ(nextCode(), 'j');
    EXPECT_EQ(nextCode(300), -1);  // nothing of the answer came as keys
}

TEST_F(ProbedReader, AnAnswerAfterTheProbeGaveUpNeverReachesTheKeyReader) {
    start(probeThenRead);
    ASSERT_TRUE(waitQuestion());
    sleepMs(400);  // past the probe's bound (were it not, the answer came in time)
    send("\x1b[2;1R\x1b[2;3R");
    send(" ");
    EXPECT_EQ(nextCode(), ' ');
    EXPECT_EQ(nextCode(300), -1);
}
