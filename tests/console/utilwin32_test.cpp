// The console layer as a terminal shows it: colours, cursor and clearing
// read back from an emulated screen, on terminals of different abilities.
#include "console/utilwin32.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/posix/winconsole/winconsole.h"
#include "platform/textout.h"
#include "support/capture.h"
#include "support/vterm_screen.h"
#include "terminal_cases.h"

namespace {

// xterm-256color: 256 colours, erases in the background colour.
// xterm: 8 colours. screen-256color: no bce and no ech, so blanks are
// written out. An unknown name: the plain ANSI controls.
const Terminal terminals[] = {
    {"xterm-256color", true},
    {"xterm", false},
    {"screen-256color", true},
    {"banqi-no-such-terminal", false},
};

class OnTerminal : public testing::TestWithParam<Terminal> {
protected:
    // Runs body on the terminal named by the parameter.
    Screen run(const std::function<void()> &body) {
        std::string term = GetParam().term;
        Screen s = runOnTerminal([term, body] {
            setenv("TERM", term.c_str(), 1);
            body();
            return 0;
        });
        EXPECT_EQ(s.exitCode, 0);
        return s;
    }
};

const unsigned short shownAttributes[] = {
    7, 10, 12, 15, 0x01, 0x06, 0x08, 0x1E, 0x70, 0xF0, 7 | 0xA8, 12 | 0x68,
};

TEST_P(OnTerminal, TextTakesTheColourSet) {
    Screen s = run([] {
        for (unsigned short attr : shownAttributes) {
            setTextColor(attr);
            textPut("X");
        }
        setTextColor(0);
        textPut("Z");
    });
    const Terminal &t = GetParam();
    int x = 1;
    for (unsigned short attr : shownAttributes) {
        SCOPED_TRACE(attr);
        ScreenCell cell = s.cell(x++, 1);
        EXPECT_EQ(cell.text, "X");
        EXPECT_EQ(cell.fg, expectedFg(t, attr));
        EXPECT_EQ(cell.bg, expectedBg(t, attr));
        EXPECT_EQ(cell.bold, !t.bright && (attr & 0x08) != 0);
    }
    ScreenCell zero = s.cell(x, 1);  // 0 would be black on black: it shows as 15
    EXPECT_EQ(zero.text, "Z");
    EXPECT_EQ(zero.fg, expectedFg(t, 15));
    EXPECT_EQ(zero.bg, expectedBg(t, 15));
}

TEST_P(OnTerminal, ClearingBlanksEveryCellInTheAttributeInForceAndHomes) {
    Screen s = run([] {
        setTextColor(0x2C);
        for (int y = 1; y <= 25; ++y) {
            gotoxy(1, y);
            textPut(std::string(80, 'x').c_str());
        }
        setTextColor(0x1E);
        gotoxy(30, 10);
        clrscr();
    });
    const Terminal &t = GetParam();
    int wrong = 0;
    for (int y = 1; y <= 25; ++y) {
        for (int x = 1; x <= 80; ++x) {
            ScreenCell cell = s.cell(x, y);
            if (cell.text != " " || cell.bg != expectedBg(t, 0x1E) ||
                cell.fg != expectedFg(t, 0x1E)) {
                if (++wrong <= 3)
                    ADD_FAILURE() << "cell (" << x << ", " << y << ") is '" << cell.text
                                  << "' fg " << cell.fg << " bg " << cell.bg;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(s.cursorX, 1);
    EXPECT_EQ(s.cursorY, 1);
}

TEST_P(OnTerminal, TextAfterClearingStartsTopLeftInTheSameAttribute) {
    Screen s = run([] {
        setTextColor(12);
        textPut("old");
        clrscr();
        textPut("A");
    });
    ScreenCell a = s.cell(1, 1);
    EXPECT_EQ(a.text, "A");
    EXPECT_EQ(a.fg, expectedFg(GetParam(), 12));
    EXPECT_EQ(s.text(2, 1, 2), "  ");
    EXPECT_EQ(s.cursorX, 2);
}

TEST_P(OnTerminal, CursorGoesWhereAskedAndStaysWhenRefused) {
    struct Case {
        int x, y;       // the second move, after one to (10, 5)
        int wantX, wantY;
    } cases[] = {
        {1, 1, 1, 1},
        {80, 25, 80, 25},
        {0, 5, 10, 5},     // left of the screen
        {5, 0, 10, 5},     // above it
        {81, 5, 10, 5},    // right of it
        {5, 26, 10, 5},    // below it
        {65539, 2, 3, 2},  // a column cut to 16 bits lands back on the screen
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "gotoxy(" << c.x << ", " << c.y << ")");
        Screen s = run([c] {
            gotoxy(10, 5);
            gotoxy(c.x, c.y);
        });
        EXPECT_EQ(s.cursorX, c.wantX);
        EXPECT_EQ(s.cursorY, c.wantY);
    }
}

TEST_P(OnTerminal, TextStartsWhereTheCursorWasPut) {
    Screen s = run([] {
        textPut("ab");
        gotoxy(5, 3);
        textPut("hi");
        gotoxy(1, 4);
        textPut("\xab\xd3");  // a two-column glyph
        textPut("z");
    });
    EXPECT_EQ(s.text(1, 1, 3), "ab ");
    EXPECT_EQ(s.text(4, 3, 4), " hi ");
    EXPECT_EQ(s.text(1, 4, 3), "\xe5\xb8\xa5z");
}

INSTANTIATE_TEST_SUITE_P(Terminals, OnTerminal, testing::ValuesIn(terminals), terminalName);

TEST(SetTextColor, ReturnsTheAttributeInForceSoCallersCanRestoreIt) {
    Screen s = runOnTerminal([] {
        unsigned short first = setTextColor(12);
        unsigned short second = setTextColor(first);
        textPut("r");
        unsigned short third = setTextColor(0);
        unsigned short fourth = setTextColor(9);
        gotoxy(1, 2);
        textPrintf("%u %u %u %u", first, second, third, fourth);
        return 0;
    });
    // 7 at start; 12 came back; 0 was taken as 15.
    EXPECT_EQ(s.text(1, 2, 10), "7 12 7 15 ");
    EXPECT_EQ(s.cell(1, 1).fg, ansiForeground(7));
    EXPECT_EQ(s.cell(1, 1).bg, ansiBackground(7));
}

TEST(SetTextColor, ClearingBeforeAnyColourUsesGreyOnBlack) {
    Screen s = runOnTerminal([] {
        textPut("x");
        clrscr();
        return 0;
    });
    EXPECT_EQ(s.cell(1, 1).text, " ");
    EXPECT_EQ(s.cell(40, 20).fg, ansiForeground(7));
    EXPECT_EQ(s.cell(40, 20).bg, ansiBackground(7));
}

// The first of gotoxy, clrscr and setTextColor fetches the handle; the
// others, and delay, use the one kept.
TEST(ConsoleHandle, IsFetchedOnceByWhicheverOperationRunsFirst) {
    const std::function<void()> firsts[] = {
        [] { gotoxy(2, 2); },
        [] { clrscr(); },
        [] { setTextColor(12); },
    };
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const std::function<void()> first = firsts[i];
        Screen s = runOnTerminal([first] {
            delay(1);
            long afterDelay = winconsoleHandleFetches();
            first();
            long afterFirst = winconsoleHandleFetches();
            gotoxy(3, 3);
            clrscr();
            setTextColor(10);
            delay(1);
            gotoxy(1, 1);
            textPrintf("%ld %ld %ld", afterDelay, afterFirst, winconsoleHandleFetches());
            return 0;
        });
        EXPECT_EQ(s.text(1, 1, 6), "0 1 1 ");
    }
}

// Escapes control bytes so what was written can be shown on the screen.
std::string visible(const std::string &bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F) {
            out += (char)c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

TEST(NotATerminal, SetTextColorReportsFifteenAndOnlyTextIsWritten) {
    Screen s = runOnTerminal([] {
        unsigned short first = 0, second = 0;
        std::string bytes = captureStdout([&] {
            first = setTextColor(12);
            gotoxy(3, 3);
            textPut("text");
            clrscr();
            second = setTextColor(10);
            textPut("\n");
        });
        std::printf("%u %u [%s]", first, second, visible(bytes).c_str());
        return 0;
    });
    EXPECT_EQ(s.row(1).substr(0, 16), "15 15 [text\\x0A]");
}

// A signal now and then while delay sleeps: each cuts nanosleep short.
volatile sig_atomic_t ticks = 0;
void onTick(int) {
    ticks = ticks + 1;
}

TEST(Delay, SleepsAtLeastTheMillisecondsAsked) {
    Screen s = runOnTerminal([] {
        for (int ms : {0, 1, 40, 150}) {
            auto start = std::chrono::steady_clock::now();
            delay(ms);
            auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start);
            if (took.count() < ms) {
                std::printf("delay(%d) returned after %lld ms", ms, (long long)took.count());
                return 1;
            }
        }
        struct sigaction action {};
        action.sa_handler = onTick;  // no SA_RESTART: the sleep is interrupted
        sigemptyset(&action.sa_mask);
        sigaction(SIGALRM, &action, nullptr);
        struct itimerval every {{0, 5000}, {0, 5000}};
        setitimer(ITIMER_REAL, &every, nullptr);
        auto start = std::chrono::steady_clock::now();
        delay(120);
        auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        struct itimerval off {};
        setitimer(ITIMER_REAL, &off, nullptr);
        if (ticks == 0) {
            std::printf("no signal arrived");
            return 2;
        }
        if (took.count() < 120) {
            std::printf("interrupted delay(120) returned after %lld ms", (long long)took.count());
            return 3;
        }
        return 0;
    });
    EXPECT_EQ(s.exitCode, 0) << s.row(1);
}

}  // namespace
