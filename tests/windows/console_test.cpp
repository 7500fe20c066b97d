// The console layer on the real console API, read back through the
// console's own buffer.
#include <gtest/gtest.h>

#include "console/utilwin32.h"
#include "platform/textout.h"
#include "probe.h"

namespace {

class Console : public ::testing::Test {
protected:
    void SetUp() override { paintScreen('#', 0x1E); }
    void TearDown() override { SetConsoleTextAttribute(activeScreen(), 7); }
};

TEST_F(Console, SetTextColorReturnsTheAttributeInForce) {
    const WORD inForce[] = {7, 0x1E, 0xAC};
    const unsigned short set[] = {12, 15, 0x6F};
    for (WORD before : inForce) {
        for (unsigned short attr : set) {
            SetConsoleTextAttribute(activeScreen(), before);
            EXPECT_EQ(setTextColor(attr), before) << "setting " << attr;
            EXPECT_EQ(attributeOf(), attr);
            // What a caller does to restore it.
            setTextColor(before);
            EXPECT_EQ(attributeOf(), before);
        }
    }
}

TEST_F(Console, ZeroBecomesBrightWhite) {
    setTextColor(0);
    EXPECT_EQ(attributeOf(), 15);
    gotoxy(3, 3);
    textPut("x");
    EXPECT_EQ(attributeAt(3, 3), 15);
}

TEST_F(Console, TextTakesTheAttributeSet) {
    gotoxy(5, 7);
    setTextColor(0xA8 | 12);
    textPut("ab");
    setTextColor(7);
    textPut("c");
    EXPECT_EQ(textAt(5, 7, 3), "abc");
    EXPECT_EQ(attributeAt(5, 7), 0xAC);
    EXPECT_EQ(attributeAt(6, 7), 0xAC);
    EXPECT_EQ(attributeAt(7, 7), 7);
}

TEST_F(Console, GotoxyPutsTheNextTextThere) {
    COORD size = sizeOf();
    // Text that reached the last cell would scroll the buffer.
    const Pos places[] = {{1, 1}, {10, 5}, {size.X - 2, size.Y}};
    for (Pos p : places) {
        gotoxy(p.x, p.y);
        EXPECT_EQ(cursorOf(), p);
        textPut("AB");
        EXPECT_EQ(textAt(p.x, p.y, 2), "AB") << "at " << p;
    }
    gotoxy(30, 12);
    textPut("\xB1\x4E");  // 將
    EXPECT_EQ(glyphAt(30, 12), "\xB1\x4E");
}

TEST_F(Console, GotoxyOffTheScreenLeavesTheCursor) {
    const Pos refused[] = {{0, 5}, {5, 0}, {-3, 2}};
    for (Pos p : refused) {
        gotoxy(7, 3);
        gotoxy(p.x, p.y);
        EXPECT_EQ(cursorOf(), (Pos{7, 3})) << "after gotoxy" << p;
    }
}

TEST_F(Console, ClrscrBlanksTheBufferInTheAttributeInForce) {
    SetConsoleTextAttribute(activeScreen(), 0x4E);
    gotoxy(40, 20);
    clrscr();

    EXPECT_EQ(cursorOf(), (Pos{1, 1}));
    EXPECT_EQ(attributeOf(), 0x4E);
    COORD size = sizeOf();
    int cells = size.X * size.Y;
    EXPECT_EQ(textAt(1, 1, cells), std::string((std::size_t)cells, ' '));
    std::vector<WORD> attrs((std::size_t)cells);
    DWORD read = 0;
    ReadConsoleOutputAttribute(activeScreen(), attrs.data(), (DWORD)cells, {0, 0}, &read);
    ASSERT_EQ(read, (DWORD)cells);
    for (int i = 0; i < cells; i++)
        ASSERT_EQ(attrs[(std::size_t)i], 0x4E) << "cell " << i % size.X + 1 << ", " << i / size.X + 1;
}

TEST(Delay, SleepsAtLeastThatLong) {
    ULONGLONG start = GetTickCount64();
    delay(200);
    // The tick count moves in steps of up to 16 ms.
    EXPECT_GE(GetTickCount64() - start, 200u - 16u);
}

}  // namespace
