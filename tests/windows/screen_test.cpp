// The play screen on the real console: after each operation, the cells it
// wrote, their attributes, the attribute in force and the cursor, read back
// from the console's buffer.
//
// Wine's console gives a two-byte Big5 character one cell where the
// Windows console on code page 950 gives it two, so under Wine only the
// cells the screen writes at a gotoxy position are where they would be on
// Windows; the text after a Chinese character is not. Those cells are
// checked everywhere, and the layout past Chinese text only where the
// console counts two cells (Layout, skipped under Wine).
#include <gtest/gtest.h>

#include "probe.h"
#include "ui/screen.h"

namespace {

const char back[] = "\xA1\xB4";    // ●
const char blank[] = "\xA1\x40";   // ideographic space

class Screen : public ::testing::Test {
protected:
    void SetUp() override {
        paintScreen('#', 7);
        displayBoard();
    }
    void TearDown() override { SetConsoleTextAttribute(activeScreen(), 7); }
};

TEST(DisplayBoard, ClearsInTheAttributeFoundAndDrawsAtEachLine) {
    paintScreen('#', 0x1E);
    displayBoard();

    EXPECT_EQ(attributeOf(), 7);
    // Cells nothing is drawn on: cleared in the attribute found on entry.
    EXPECT_EQ(textAt(1, 1, 1), " ");
    EXPECT_EQ(attributeAt(1, 1), 0x1E);
    EXPECT_EQ(textAt(80, 25, 1), " ");
    EXPECT_EQ(attributeAt(80, 25), 0x1E);

    // The first character of each line drawn at a gotoxy position.
    struct Start {
        int x, y;
        const char *glyph;
        WORD attr;
    };
    const Start starts[] = {
        {32, 2, "\xB7\x74", 10},  // 暗, the title
        {22, 5, blank, 7},        // the column labels
        {22, 6, blank, 7},        // the top border
        {22, 7, "\xA2\xB0", 7},   // １
        {22, 8, blank, 7},        // a separator
        {22, 9, "\xA2\xB1", 7},   // ２
        {22, 11, "\xA2\xB2", 7},  // ３
        {22, 13, "\xA2\xB3", 7},  // ４
        {22, 14, blank, 7},       // the bottom border
        {15, 18, "\xBD\xD0", 7},  // 請, the first instruction line
        {19, 19, "\xAB\xF6", 7},  // 按, the second
    };
    for (const Start &s : starts) {
        EXPECT_EQ(glyphAt(s.x, s.y), s.glyph) << "at " << Pos{s.x, s.y};
        EXPECT_EQ(attributeAt(s.x, s.y), s.attr) << "at " << Pos{s.x, s.y};
    }
}

struct Cell {
    int row, col, piece, faceUp, highlight;
    const char *glyph;
    WORD attr;
};

void PrintTo(const Cell &c, std::ostream *os) {
    *os << "displayPiece(" << c.row << ", " << c.col << ", " << c.piece << ", " << c.faceUp
        << ", " << c.highlight << ")";
}

class DisplayPiece : public Screen, public ::testing::WithParamInterface<Cell> {};

TEST_P(DisplayPiece, DrawsTheCellAndRestores) {
    const Cell &c = GetParam();
    SetConsoleTextAttribute(activeScreen(), 0x1E);
    displayPiece(c.row, c.col, c.piece, c.faceUp, c.highlight);

    int x = 26 + 4 * c.col, y = 7 + 2 * c.row;
    EXPECT_EQ(glyphAt(x, y), c.glyph);
    EXPECT_EQ(attributeAt(x, y), c.attr);
    EXPECT_EQ(attributeOf(), 0x1E);
    EXPECT_EQ(cursorOf(), (Pos{1, 23}));
}

INSTANTIATE_TEST_SUITE_P(Cells, DisplayPiece, ::testing::Values(
    Cell{0, 0, 0, 1, 0, "\xB1\x4E", 0x07},   // 將, black face up
    Cell{3, 7, 16, 1, 0, "\xAB\xD3", 0x0C},  // 帥, red face up
    Cell{1, 2, 3, 1, 1, "\xB6\x48", 0xAF},   // 象
    Cell{1, 2, 3, 1, 2, "\xB6\x48", 0x6F},
    Cell{2, 5, 20, 1, 1, "\xAC\xDB", 0xAC},  // 相
    Cell{2, 5, 20, 1, 2, "\xAC\xDB", 0x6C},
    // Face down hides the side.
    Cell{0, 3, 31, 0, 0, back, 0x07},
    Cell{0, 3, 31, 0, 1, back, 0xAF},
    Cell{0, 3, 31, 0, 2, back, 0x6F},
    Cell{0, 3, 0, 0, 1, back, 0xAF},
    // Any other highlight is none.
    Cell{2, 1, 27, 1, 3, "\xA7\x4C", 0x0C},  // 兵
    Cell{2, 1, 27, 1, -1, "\xA7\x4C", 0x0C}));

TEST_F(Screen, PromptShowsTheSideAndRestores) {
    struct Turn {
        int side;
        const char *word;
        WORD attr;
    };
    const Turn turns[] = {{1, "RED   ", 12}, {0, "BLACK ", 15}, {7, "RED   ", 12}};
    SetConsoleTextAttribute(activeScreen(), 0x1E);
    // In turn, so each word is written over the one before.
    for (const Turn &t : turns) {
        prompt(t.side);
        EXPECT_EQ(textAt(18, 4, 12), std::string("next: ") + t.word) << "side " << t.side;
        EXPECT_EQ(attributeAt(18, 4), 0x1E);
        for (int x = 24; x < 30; x++)
            EXPECT_EQ(attributeAt(x, 4), t.attr) << "side " << t.side << " at " << x;
        EXPECT_EQ(attributeOf(), 0x1E);
        EXPECT_EQ(cursorOf(), (Pos{1, 23}));
    }
}

TEST_F(Screen, StatusReplacesTheLineInGrey) {
    SetConsoleTextAttribute(activeScreen(), 0x1E);
    status("an earlier message that runs on for a good part of the line......");
    status("100%d done");

    std::string line = "100%d done";
    line.resize(80, ' ');
    EXPECT_EQ(textAt(1, 23, 80), line);
    for (int x = 1; x <= 80; x++)
        EXPECT_EQ(attributeAt(x, 23), 7) << "at " << x;
    EXPECT_EQ(attributeOf(), 7);
    EXPECT_EQ(cursorOf(), (Pos{1, 23}));

    status("\xA6\x6E");  // 好
    EXPECT_EQ(glyphAt(1, 23), "\xA6\x6E");
}

TEST_F(Screen, ShowDeadPiecesBlanksInTheAttributeFoundAndLabels) {
    int none[1] = {0};
    for (int count : {0, -2}) {
        SetConsoleTextAttribute(activeScreen(), 0x1E);
        showDeadPieces(count, none);
        EXPECT_EQ(textAt(1, 16, 80), std::string(13, ' ') + "Dead: " + std::string(61, ' '))
            << "count " << count;
        EXPECT_EQ(attributeAt(1, 16), 0x1E);
        EXPECT_EQ(attributeAt(14, 16), 7);
        EXPECT_EQ(attributeAt(20, 16), 0x1E);
        EXPECT_EQ(attributeAt(80, 16), 0x1E);
        EXPECT_EQ(attributeOf(), 7);
        EXPECT_EQ(cursorOf(), (Pos{1, 23}));
    }
}

TEST_F(Screen, ShowDeadPiecesColoursEachGlyphBySide) {
    // The second glyph starts where this console puts the cell after a
    // Big5 character.
    int second = 20 + cellsPerBig5Glyph();
    struct Dead {
        int ids[2];
        const char *glyphs[2];
        WORD attrs[2];
    };
    const Dead lists[] = {
        {{3, 20}, {"\xB6\x48", "\xAC\xDB"}, {7, 12}},  // 象 相
        {{20, 3}, {"\xAC\xDB", "\xB6\x48"}, {12, 7}},  // in the order given
        {{-1, 16}, {blank, "\xAB\xD3"}, {7, 12}},       // the blank entry, 帥
    };
    for (const Dead &d : lists) {
        displayBoard();
        showDeadPieces(2, const_cast<int *>(d.ids));
        EXPECT_EQ(glyphAt(20, 16), d.glyphs[0]);
        EXPECT_EQ(attributeAt(20, 16), d.attrs[0]);
        EXPECT_EQ(glyphAt(second, 16), d.glyphs[1]);
        EXPECT_EQ(attributeAt(second, 16), d.attrs[1]);
        EXPECT_EQ(attributeOf(), d.attrs[1]);
        EXPECT_EQ(cursorOf(), (Pos{1, 23}));
    }
}

TEST_F(Screen, Layout) {
    if (cellsPerBig5Glyph() != 2)
        GTEST_SKIP() << "this console gives a Big5 character one cell, not two";
    displayBoard();
    EXPECT_EQ(cursorOf(), (Pos{62, 19}));
    for (int r = 0; r < 4; r++)
        for (int c = 0; c < 8; c++)
            EXPECT_EQ(glyphAt(26 + 4 * c, 7 + 2 * r), back) << "row " << r << " col " << c;
    EXPECT_EQ(glyphAt(56, 6), "\xA2\x7B");  // ┐, the top border's end
    struct Key {
        int x, y;
        const char *name;
    };
    const Key keys[] = {{59, 18, "G"}, {22, 19, "T"}, {33, 19, "S"}, {59, 19, "Esc"}};
    for (const Key &k : keys) {
        EXPECT_EQ(textAt(k.x, k.y, (int)strlen(k.name)), k.name);
        EXPECT_EQ(attributeAt(k.x, k.y), 15) << k.name;
    }
}

}  // namespace
