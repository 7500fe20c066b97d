// The console stand-ins themselves, where the console layer does not show
// all they promise: runs that wrap rows, refusals, the reported state and
// the terminal's colours at exit.
#include "platform/posix/winconsole/winconsole.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/textout.h"
#include "support/vterm_screen.h"
#include "terminal_cases.h"

// Last: terminfo's header defines many short macros.
#include <curses.h>
#include <term.h>

namespace {

// ansi lacks cursor save and restore and scrolls at the last cell;
// screen-256color lacks bce and ech; the unknown name gets plain ANSI.
const Terminal terminals[] = {
    {"xterm-256color", true, true},
    {"screen-256color", true, true},
    {"ansi", false, false},
    {"banqi-no-such-terminal", false, true},
};

class Fill : public testing::TestWithParam<Terminal> {
protected:
    Screen run(const std::function<void(HANDLE)> &body) {
        std::string term = GetParam().term;
        Screen s = runOnTerminal([term, body] {
            setenv("TERM", term.c_str(), 1);
            body(GetStdHandle(STD_OUTPUT_HANDLE));
            return 0;
        });
        EXPECT_EQ(s.exitCode, 0);
        return s;
    }
};

TEST_P(Fill, CharactersCoverTheRunRowAfterRowAndLeaveTheCursor) {
    Screen s = run([](HANDLE h) {
        SetConsoleCursorPosition(h, COORD{9, 4});
        DWORD across = 0, clipped = 0;
        FillConsoleOutputCharacterA(h, '*', 100, COORD{75, 1}, &across);
        FillConsoleOutputCharacterA(h, '#', 1000, COORD{70, 24}, &clipped);
        textPut("@");
        SetConsoleCursorPosition(h, COORD{0, 9});
        textPrintf("%u %u", across, clipped);
    });
    // 100 cells from column 76 of row 2: 5 there, 80 on row 3, 15 on row 4.
    EXPECT_EQ(s.text(71, 2, 10), "     *****");
    EXPECT_EQ(s.row(3), std::string(80, '*'));
    EXPECT_EQ(s.text(1, 4, 16), std::string(15, '*') + " ");
    // The run stops at the end of the screen.
    std::string last = GetParam().writesLastCell ? "##########" : "######### ";
    EXPECT_EQ(s.text(70, 25, 11), " " + last);
    // Text written next still starts where the cursor was put.
    EXPECT_EQ(s.cell(10, 5).text, "@");
    EXPECT_EQ(s.text(1, 10, 7), "100 10 ");
}

TEST_P(Fill, AttributeBlanksOnlyTheRunAndKeepsThePenInForce) {
    Screen s = run([](HANDLE h) {
        SetConsoleTextAttribute(h, 0x2C);
        for (SHORT y = 0; y < 3; ++y) {
            SetConsoleCursorPosition(h, COORD{0, y});
            textPut(std::string(80, 'x').c_str());
        }
        SetConsoleTextAttribute(h, 0x1E);
        SetConsoleCursorPosition(h, COORD{9, 4});
        DWORD written = 0;
        FillConsoleOutputAttribute(h, 0x4F, 90, COORD{75, 0}, &written);
        textPut("@");
    });
    const Terminal &t = GetParam();
    struct Probe { int x, y; const char *text; unsigned short attr; } probes[] = {
        {75, 1, "x", 0x2C}, {76, 1, " ", 0x4F}, {80, 1, " ", 0x4F}, {1, 2, " ", 0x4F},
        {80, 2, " ", 0x4F}, {5, 3, " ", 0x4F}, {6, 3, "x", 0x2C}, {10, 5, "@", 0x1E},
    };
    for (const Probe &p : probes) {
        SCOPED_TRACE(testing::Message() << "(" << p.x << ", " << p.y << ")");
        ScreenCell cell = s.cell(p.x, p.y);
        EXPECT_EQ(cell.text, p.text);
        EXPECT_EQ(cell.bg, expectedBg(t, p.attr));
        if (*p.text != ' ') {
            EXPECT_EQ(cell.fg, expectedFg(t, p.attr));
        }
    }
    EXPECT_EQ(s.cursorX, 11);
    EXPECT_EQ(s.cursorY, 5);
}

INSTANTIATE_TEST_SUITE_P(Terminals, Fill, testing::ValuesIn(terminals), terminalName);

TEST(WinConsole, RefusesCellsOutsideTheTerminalAndWritesNothing) {
    Screen s = runOnTerminal([] {
        HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE);
        DWORD a = 9, b = 9;
        CONSOLE_SCREEN_BUFFER_INFO info;
        int accepted = 0;
        accepted |= FillConsoleOutputCharacterA(h, '*', 5, COORD{80, 0}, &a) ? 1 : 0;
        accepted |= FillConsoleOutputAttribute(h, 0x1E, 5, COORD{0, 25}, &b) ? 2 : 0;
        accepted |= SetConsoleCursorPosition(h, COORD{-1, 0}) ? 4 : 0;
        accepted |= SetConsoleCursorPosition(h, COORD{0, 25}) ? 8 : 0;
        HANDLE other = GetStdHandle((DWORD)-10);
        accepted |= GetConsoleScreenBufferInfo(other, &info) ? 16 : 0;
        accepted |= SetConsoleTextAttribute(other, 12) ? 32 : 0;
        if (a != 0 || b != 0)
            accepted |= 64;
        return accepted;
    });
    EXPECT_EQ(s.exitCode, 0);
    EXPECT_EQ(s.raw, "");
}

TEST(WinConsole, ReportsTheTerminalsSizeAndTheStateItKeeps) {
    Screen s = runOnTerminal(
        [] {
            HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE);
            CONSOLE_SCREEN_BUFFER_INFO at, later;
            GetConsoleScreenBufferInfo(h, &at);
            SetConsoleTextAttribute(h, 0x1E);
            SetConsoleCursorPosition(h, COORD{4, 6});
            GetConsoleScreenBufferInfo(h, &later);
            SetConsoleTextAttribute(h, 7);
            SetConsoleCursorPosition(h, COORD{0, 0});
            textPrintf("%d %d %d %d %d %d %d %d %d|%d %d %d", at.dwSize.X, at.dwSize.Y,
                       at.wAttributes, at.srWindow.Left, at.srWindow.Top, at.srWindow.Right,
                       at.srWindow.Bottom, at.dwMaximumWindowSize.X, at.dwMaximumWindowSize.Y,
                       later.wAttributes, later.dwCursorPosition.X, later.dwCursorPosition.Y);
            return 0;
        },
        "", 100, 30);
    EXPECT_EQ(s.text(1, 1, 33), "100 30 7 0 0 99 29 100 30|30 4 6 ");
}

// libvterm erases in the current background whatever the terminal entry
// says, so only the bytes show whether a terminal without bce gets its
// blanks written out in the colour (as tmux and screen need).
TEST(WinConsole, WritesBlanksOutOnlyWhereErasingWouldLoseTheColour) {
    struct Case { const char *term; bool writesBlanks; } cases[] = {
        {"xterm-256color", false},
        {"screen-256color", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.term);
        std::string term = c.term;
        Screen s = runOnTerminal([term] {
            setenv("TERM", term.c_str(), 1);
            HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE);
            SetConsoleTextAttribute(h, 0x1E);
            DWORD written = 0;
            FillConsoleOutputAttribute(h, 0x1E, 80 * 25, COORD{0, 0}, &written);
            return 0;
        });
        std::size_t spaces = 0;
        for (char ch : s.raw)
            spaces += ch == ' ';
        if (c.writesBlanks)
            EXPECT_GE(spaces, 80u * 25u);
        else
            EXPECT_LT(spaces, 80u);
        EXPECT_EQ(s.cell(80, 25).bg, ansiBackground(0x1E));
    }
}

std::string sgr0For(const char *term) {
    int status = 0;
    if (setupterm(term, STDERR_FILENO, &status) != OK)
        return "";
    const char *s = tigetstr("sgr0");
    return s && s != (const char *)-1 ? s : "";
}

TEST(WinConsole, PutsBackTheTerminalsColoursAtExitOnceSet) {
    std::string plain = sgr0For("xterm-256color");
    ASSERT_FALSE(plain.empty());
    Screen coloured = runOnTerminal([] {
        SetConsoleTextAttribute(GetStdHandle(STD_OUTPUT_HANDLE), 12);
        textPut("x");
        return 0;
    });
    ASSERT_GT(coloured.raw.size(), plain.size());
    EXPECT_EQ(coloured.raw.substr(coloured.raw.size() - plain.size()), plain);
    EXPECT_EQ(coloured.raw.substr(coloured.raw.size() - plain.size() - 1, 1), "x");

    // A program that never set a colour leaves the terminal's alone.
    Screen untouched = runOnTerminal([] {
        SetConsoleCursorPosition(GetStdHandle(STD_OUTPUT_HANDLE), COORD{2, 2});
        textPut("x");
        return 0;
    });
    EXPECT_EQ(untouched.raw.find(plain), std::string::npos);
    EXPECT_EQ(untouched.cell(3, 3).text, "x");
}

TEST(WinConsole, PutsBackTheTerminalsColoursWhenASignalEndsTheProgram) {
    std::string plain = sgr0For("xterm-256color");
    ASSERT_FALSE(plain.empty());
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        Screen s = runOnTerminal([sig] {
            SetConsoleTextAttribute(GetStdHandle(STD_OUTPUT_HANDLE), 12);
            textPut("x");
            textFlush();
            raise(sig);
            return 0;
        });
        EXPECT_EQ(s.termSignal, sig);
        ASSERT_GT(s.raw.size(), plain.size() + 1);
        EXPECT_EQ(s.raw.substr(s.raw.size() - plain.size() - 1), "x" + plain) << sig;
    }
}

}  // namespace
