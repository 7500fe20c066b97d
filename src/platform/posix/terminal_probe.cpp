#include "terminal_probe.h"

#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "rawmode.h"
#include "terminal_hooks.h"

namespace {

// A terminal on this machine answers within a millisecond or two, one
// across a network within a round trip. A late answer is still taken out
// of the input; the bound only caps what a silent terminal costs.
const int answerBoundMs = 150;
// At exit, for answers still owed.
const int exitBoundMs = 100;

const char ambiguousGlyph[] = "\xE2\x94\x80";  // ─ U+2500 in UTF-8

const int maxDigits = 6;

long nowMs() {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

bool writeAll(int fd, const std::string &bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += (std::size_t)n;
    }
    return true;
}

// Reads into the scanner until it holds `want` reports or the time is up.
void readAnswers(int in, ReportScanner &scanner, std::size_t want, int timeoutMs,
                 std::string &input) {
    long deadline = nowMs() + timeoutMs;
    while (scanner.reports.size() < want) {
        long left = deadline - nowMs();
        if (left <= 0)
            return;
        struct pollfd p = {in, POLLIN, 0};
        int ready = poll(&p, 1, (int)left);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return;
        // A byte at a time: keys typed after the answers stay where they
        // are, for the key reader or the shell.
        char byte;
        ssize_t n = read(in, &byte, 1);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return;
        scanner.scan(&byte, 1, input);
    }
}

std::string moveTo(int row, int col) {
    char text[32];
    std::snprintf(text, sizeof text, "\033[%d;%dH", row, col);
    return text;
}

// What the probe leaves for the key reader, and the answers still owed.
std::string readAhead;
std::size_t readAheadTaken = 0;
volatile sig_atomic_t owed = 0;

// A signal that ends the program: whatever is in the input goes, so that
// an answer on its way does not reach the shell.
void flushOnSignal() {
    if (owed > 0)
        tcflush(STDIN_FILENO, TCIFLUSH);
}

void swallowAtExit() {
    if (owed <= 0 || !rawModeEnter(STDIN_FILENO))
        return;
    ReportScanner scanner;
    std::string keys;  // pressed as the program ends: nobody reads them now
    readAnswers(STDIN_FILENO, scanner, (std::size_t)owed, exitBoundMs, keys);
    owed = 0;
    rawModeIdle();
}

bool sameTerminal(int a, int b) {
    struct stat sa, sb;
    return isatty(a) && isatty(b) && fstat(a, &sa) == 0 && fstat(b, &sb) == 0 &&
           sa.st_rdev == sb.st_rdev;
}

bool termMayAnswer() {
    const char *term = std::getenv("TERM");
    return term && *term && std::strcmp(term, "dumb") != 0;
}

int probeOnce() {
    // A job in the background would be stopped for changing the terminal's
    // modes, and the answer would go to whoever reads in the foreground.
    if (!sameTerminal(STDIN_FILENO, STDOUT_FILENO) || !termMayAnswer() ||
        tcgetpgrp(STDIN_FILENO) != getpgrp())
        return 1;
    std::fflush(stdout);
    // Without echo and line editing, so that the answer shows nowhere.
    if (!rawModeEnter(STDIN_FILENO))
        return 1;
    ProbeAnswer answer =
        probeGlyphWidth(STDIN_FILENO, STDOUT_FILENO, ambiguousGlyph, answerBoundMs, readAhead);
    rawModeIdle();
    if (answer.owed > 0) {
        owed = answer.owed;
        addTerminalHooks(flushOnSignal, nullptr);
        std::atexit(swallowAtExit);  // after raw mode's own: runs before it
    }
    return answer.width == 2 ? 2 : 1;
}

}  // namespace

void ReportScanner::take(char byte, std::string &input) {
    if (held_.empty()) {
        if (byte == '\033')
            held_ += byte;
        else
            input += byte;
        return;
    }
    // Where the held bytes are in ESC [ digits ; digits R.
    bool fits;
    std::size_t semicolon = held_.find(';');
    if (held_.size() == 1) {
        fits = byte == '[';
    } else if (byte >= '0' && byte <= '9') {
        std::size_t digits = semicolon == std::string::npos ? held_.size() - 2
                                                            : held_.size() - semicolon - 1;
        fits = digits < (std::size_t)maxDigits;
    } else if (byte == ';') {
        fits = semicolon == std::string::npos && held_.size() > 2;
    } else if (byte == 'R') {
        fits = semicolon != std::string::npos && semicolon + 1 < held_.size();
    } else {
        fits = false;
    }
    if (!fits) {
        // Not a report: the held bytes are input, and this byte starts afresh.
        input += held_;
        held_.clear();
        take(byte, input);
        return;
    }
    if (byte != 'R') {
        held_ += byte;
        return;
    }
    Report report;
    report.row = std::atoi(held_.c_str() + 2);
    report.col = std::atoi(held_.c_str() + semicolon + 1);
    reports.push_back(report);
    held_.clear();
}

void ReportScanner::scan(const char *bytes, std::size_t n, std::string &input) {
    for (std::size_t i = 0; i < n; i++)
        take(bytes[i], input);
}

void ReportScanner::finish(std::string &input) {
    input += held_;
    held_.clear();
}

ProbeAnswer probeGlyphWidth(int in, int out, const std::string &glyph, int timeoutMs,
                            std::string &input) {
    // Save the cursor, ask, write the glyph, ask again; then back to where
    // the cursor was and blank the glyph's cells (ECH leaves the cursor).
    std::string question = "\0337\033[6n" + glyph + "\033[6n\0338\033[2X";
    if (!writeAll(out, question))
        return ProbeAnswer{0, 0};
    ReportScanner scanner;
    readAnswers(in, scanner, 2, timeoutMs, input);
    scanner.finish(input);
    ProbeAnswer answer{0, 2 - (int)scanner.reports.size()};
    if (answer.owed > 0)
        return answer;
    const ReportScanner::Report &before = scanner.reports[0], &after = scanner.reports[1];
    if (after.row == before.row && after.col > before.col && after.col - before.col <= 2)
        answer.width = after.col - before.col;
    else if (after.row > before.row || after.col < before.col)
        // At the right edge the glyph went on to the next line: blank it there.
        writeAll(out, "\0337" + moveTo(after.row, 1) + "\033[2X\0338");
    return answer;
}

int terminalAmbiguousWidth() {
    static const int width = probeOnce();
    return width;
}

bool takeReadAheadByte(unsigned char &byte) {
    if (readAheadTaken >= readAhead.size())
        return false;
    byte = (unsigned char)readAhead[readAheadTaken++];
    return true;
}

int reportsOwed() {
    return owed;
}

void setReportsOwed(int count) {
    owed = count;
}
