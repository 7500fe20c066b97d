// The terminal harness itself: what a child writes must land in the
// emulator's cells as a terminal would show it.
#include "support/vterm_screen.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/textout.h"

namespace {

TEST(TerminalHarness, PlainAndWideTextLandInTheirCells) {
    Screen s = runOnTerminal([] {
        std::printf("ab\n");
        std::printf("x\xe5\xb8\xa5y");  // x 帥 y: the glyph takes two columns
        return 3;
    });
    EXPECT_EQ(s.exitCode, 3);
    EXPECT_EQ(s.cols, 80);
    EXPECT_EQ(s.rows, 25);
    EXPECT_EQ(s.text(1, 1, 3), "ab ");
    EXPECT_EQ(s.cell(1, 2).text, "x");
    EXPECT_EQ(s.cell(2, 2).text, "\xe5\xb8\xa5");
    EXPECT_EQ(s.cell(2, 2).width, 2);
    EXPECT_EQ(s.cell(3, 2).text, "");
    EXPECT_EQ(s.cell(4, 2).text, "y");
    EXPECT_EQ(s.text(1, 2, 4), "x\xe5\xb8\xa5y");
    // The terminal turns the newline into CR LF, as a real one does.
    EXPECT_EQ(s.cursorX, 5);
    EXPECT_EQ(s.cursorY, 2);
    EXPECT_EQ(s.row(3), std::string(80, ' '));
}

TEST(TerminalHarness, Big5TextArrivesAsUtf8OnTheTerminal) {
    Screen s = runOnTerminal([] {
        textPut("\xab\xd3");  // 帥 in Big5
        return 0;
    });
    EXPECT_EQ(s.cell(1, 1).text, "\xe5\xb8\xa5");
    EXPECT_EQ(s.cell(1, 1).width, 2);
}

TEST(TerminalHarness, ColoursArriveAsPaletteIndexes) {
    Screen s = runOnTerminal([] {
        std::printf("d\033[31;42mr\033[91;104mR\033[0;1;33mb\033[m.");
        return 0;
    });
    struct Case { int x; int fg; int bg; bool bold; } cases[] = {
        {1, -1, -1, false}, {2, 1, 2, false}, {3, 9, 12, false},
        {4, 3, -1, true}, {5, -1, -1, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.x);
        ScreenCell cell = s.cell(c.x, 1);
        EXPECT_EQ(cell.fg, c.fg);
        EXPECT_EQ(cell.bg, c.bg);
        EXPECT_EQ(cell.bold, c.bold);
    }
}

TEST(TerminalHarness, SizeEnvironmentAndInputReachTheChild) {
    Screen s = runOnTerminal(
        [] {
            if (!isatty(0) || !isatty(1) || !isatty(2))
                return 10;
            const char *term = std::getenv("TERM");
            if (!term || std::strcmp(term, "xterm-256color") != 0)
                return 11;
            char line[16] = {};
            if (!std::fgets(line, sizeof line, stdin))
                return 12;
            std::printf("got %s", line);
            return 0;
        },
        "hi\n", 40, 10);
    EXPECT_EQ(s.exitCode, 0);
    EXPECT_EQ(s.cols, 40);
    EXPECT_EQ(s.rows, 10);
    // Echo is off: the typed line shows only where the child printed it.
    EXPECT_EQ(s.text(1, 1, 7), "got hi ");
    EXPECT_EQ(s.row(2), std::string(40, ' '));
}

TEST(TerminalHarness, ReportsAChildKilledBySignal) {
    Screen s = runOnTerminal([] {
        std::printf("before");
        std::fflush(stdout);
        std::abort();
        return 0;
    });
    EXPECT_EQ(s.exitCode, -1);
    EXPECT_EQ(s.termSignal, SIGABRT);
    EXPECT_EQ(s.text(1, 1, 6), "before");
}

}  // namespace
