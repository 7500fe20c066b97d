// Where the console layer gets its handle: from standard output, at its
// first use, and never again. A process of its own, since the first use is
// once per process.
#include <gtest/gtest.h>

#include "console/utilwin32.h"
#include "probe.h"

TEST(ConsoleHandle, FetchedAtFirstUseAndKept) {
    HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE screen = activeScreen();
    SetConsoleTextAttribute(screen, 0x1E);
    SetConsoleCursorPosition(screen, {4, 4});

    // Standard output is not a console when the layer is first used.
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(nul, INVALID_HANDLE_VALUE);
    SetStdHandle(STD_OUTPUT_HANDLE, nul);
    EXPECT_EQ(setTextColor(12), 15);

    // Back on the console, the layer still holds the handle it fetched.
    SetStdHandle(STD_OUTPUT_HANDLE, console);
    EXPECT_EQ(setTextColor(12), 15);
    gotoxy(10, 10);
    clrscr();
    EXPECT_EQ(attributeOf(screen), 0x1E);
    EXPECT_EQ(cursorOf(screen), (Pos{5, 5}));
    SetConsoleTextAttribute(screen, 7);
}
