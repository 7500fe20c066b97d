#include "support/vterm_screen.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>
#include <vterm.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

const int limitMs = 60000;

void appendUtf8(std::string &out, uint32_t cp) {
    if (cp < 0x80) {
        out += (char)cp;
    } else if (cp < 0x800) {
        out += (char)(0xC0 | (cp >> 6));
        out += (char)(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += (char)(0xE0 | (cp >> 12));
        out += (char)(0x80 | ((cp >> 6) & 0x3F));
        out += (char)(0x80 | (cp & 0x3F));
    } else {
        out += (char)(0xF0 | (cp >> 18));
        out += (char)(0x80 | ((cp >> 12) & 0x3F));
        out += (char)(0x80 | ((cp >> 6) & 0x3F));
        out += (char)(0x80 | (cp & 0x3F));
    }
}

int paletteIndex(const VTermColor &c) {
    if (VTERM_COLOR_IS_DEFAULT_FG(&c) || VTERM_COLOR_IS_DEFAULT_BG(&c))
        return -1;
    if (VTERM_COLOR_IS_INDEXED(&c))
        return c.indexed.idx;
    return -2;
}

long long nowMs() {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (long long)ts.tv_sec * 1000 + ts.tv_nsec / 1000000;
}

// The emulator's answers to queries go back to the child as input.
void collectReply(const char *bytes, size_t len, void *user) {
    static_cast<std::string *>(user)->append(bytes, len);
}

[[noreturn]] void runChild(int master, int slave, const std::function<int()> &body) {
    close(master);
    setsid();
    ioctl(slave, TIOCSCTTY, 0);
    dup2(slave, STDIN_FILENO);
    dup2(slave, STDOUT_FILENO);
    dup2(slave, STDERR_FILENO);
    if (slave > STDERR_FILENO)
        close(slave);
    setenv("TERM", "xterm-256color", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    unsetenv("LINES");
    unsetenv("COLUMNS");
    // A program starts with its stdout line-buffered on a terminal.
    setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    std::exit(body());
}

Screen readScreen(VTerm *vt, int cols, int rows) {
    Screen screen;
    screen.cols = cols;
    screen.rows = rows;
    VTermScreen *vs = vterm_obtain_screen(vt);
    screen.cells.reserve((size_t)cols * rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            VTermScreenCell vc;
            VTermPos pos = {r, c};
            vterm_screen_get_cell(vs, pos, &vc);
            ScreenCell cell;
            if (vc.chars[0] == (uint32_t)-1) {
                cell.text = "";  // right half of a wide character
            } else if (vc.chars[0] == 0) {
                cell.text = " ";
            } else {
                for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && vc.chars[i]; ++i)
                    appendUtf8(cell.text, vc.chars[i]);
            }
            cell.fg = paletteIndex(vc.fg);
            cell.bg = paletteIndex(vc.bg);
            cell.bold = vc.attrs.bold;
            cell.width = vc.width;
            screen.cells.push_back(cell);
        }
    }
    VTermPos cursor;
    vterm_state_get_cursorpos(vterm_obtain_state(vt), &cursor);
    screen.cursorX = cursor.col + 1;
    screen.cursorY = cursor.row + 1;
    return screen;
}

}  // namespace

ScreenCell Screen::cell(int x, int y) const {
    if (x < 1 || x > cols || y < 1 || y > rows)
        return ScreenCell{};
    return cells[(size_t)(y - 1) * cols + (x - 1)];
}

std::string Screen::text(int x, int y, int columns) const {
    std::string out;
    for (int i = 0; i < columns && x + i <= cols; ++i)
        out += cell(x + i, y).text;
    return out;
}

std::string Screen::row(int y) const {
    return text(1, y, cols);
}

Screen runOnTerminal(const std::function<int()> &body, const std::string &input,
                     int cols, int rows) {
    struct winsize size {};
    size.ws_col = (unsigned short)cols;
    size.ws_row = (unsigned short)rows;
    int master = -1, slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, &size) != 0) {
        std::perror("openpty");
        return Screen{};
    }
    struct termios modes;
    tcgetattr(slave, &modes);
    modes.c_lflag &= ~(tcflag_t)(ECHO | ECHONL);
    tcsetattr(slave, TCSANOW, &modes);

    // Whatever the parent has buffered must not come out of the child too.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        close(master);
        close(slave);
        return Screen{};
    }
    if (pid == 0)
        runChild(master, slave, body);
    // Only the child holds the slave now, so reading the master ends with
    // EIO once the child has exited and everything it wrote has been read.
    close(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    VTerm *vt = vterm_new(rows, cols);
    vterm_set_utf8(vt, 1);
    VTermScreen *vs = vterm_obtain_screen(vt);
    vterm_screen_reset(vs, 1);
    std::string toChild = input;
    vterm_output_set_callback(vt, collectReply, &toChild);

    std::string raw;
    bool timedOut = false;
    long long deadline = nowMs() + limitMs;
    for (;;) {
        struct pollfd pfd = {master, POLLIN, 0};
        if (!toChild.empty())
            pfd.events |= POLLOUT;
        int ready = poll(&pfd, 1, 200);
        if (ready < 0 && errno != EINTR)
            break;
        if (nowMs() > deadline) {
            timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        if (ready <= 0)
            continue;
        if ((pfd.revents & POLLOUT) && !toChild.empty()) {
            ssize_t n = write(master, toChild.data(), toChild.size());
            if (n > 0)
                toChild.erase(0, (size_t)n);
        }
        if (pfd.revents & (POLLIN | POLLHUP | POLLERR)) {
            char chunk[4096];
            ssize_t n = read(master, chunk, sizeof chunk);
            if (n > 0) {
                raw.append(chunk, (size_t)n);
                vterm_input_write(vt, chunk, (size_t)n);
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                break;  // EIO: the child is gone and all it wrote is read
            }
        }
    }
    close(master);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    vterm_screen_flush_damage(vs);
    Screen screen = readScreen(vt, cols, rows);
    vterm_free(vt);
    screen.raw = raw;
    screen.timedOut = timedOut;
    if (WIFEXITED(status))
        screen.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        screen.termSignal = WTERMSIG(status);
    return screen;
}

int ansiForeground(unsigned short attr) {
    int index = 0;
    if (attr & 0x01)
        index |= 4;  // blue
    if (attr & 0x02)
        index |= 2;  // green
    if (attr & 0x04)
        index |= 1;  // red
    if (attr & 0x08)
        index += 8;
    return index;
}

int ansiBackground(unsigned short attr) {
    return ansiForeground((unsigned short)(attr >> 4));
}
