// The play screen as a terminal shows it: every operation runs in a child
// on a pseudo-terminal (UTF-8, xterm-256color) and the emulator's cells,
// colours and cursor are checked afterwards. A marker "X" written after a
// call shows where the cursor was left and which attribute was in force.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "console/utilwin32.h"
#include "platform/textout.h"
#include "support/vterm_screen.h"
#include "ui/screen.h"

namespace {

// A run of text (UTF-8) and the attribute it should show in.
struct Run {
    std::string text;
    unsigned short attr;
};

// The characters of a UTF-8 text, one string each.
std::vector<std::string> characters(const std::string &utf8) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char b = (unsigned char)utf8[i];
        std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        out.push_back(utf8.substr(i, n));
        i += n;
    }
    return out;
}

// Whether the runs appear one after another from (x, y), each character
// starting where its Big5 form would (ASCII one column, the rest two)
// and in its run's colours. *end receives the column after the last one.
::testing::AssertionResult shows(const Screen &s, int x, int y,
                                 const std::vector<Run> &runs, int *end = nullptr) {
    for (const Run &run : runs) {
        for (const std::string &ch : characters(run.text)) {
            ScreenCell c = s.cell(x, y);
            if (c.text != ch || c.fg != ansiForeground(run.attr) || c.bg != ansiBackground(run.attr))
                return ::testing::AssertionFailure()
                       << "at (" << x << ", " << y << ") expected \"" << ch << "\" fg "
                       << ansiForeground(run.attr) << " bg " << ansiBackground(run.attr)
                       << ", got \"" << c.text << "\" fg " << c.fg << " bg " << c.bg
                       << "; row: " << s.row(y);
            x += ch.size() == 1 ? 1 : 2;
        }
    }
    if (end)
        *end = x;
    return ::testing::AssertionSuccess();
}

// Whether columns from..to of row y are blank in the given attribute.
::testing::AssertionResult blank(const Screen &s, int from, int to, int y, unsigned short attr) {
    for (int x = from; x <= to; x++) {
        ScreenCell c = s.cell(x, y);
        if (c.text != " " || c.bg != ansiBackground(attr))
            return ::testing::AssertionFailure() << "(" << x << ", " << y << ") holds \"" << c.text
                                                 << "\" bg " << c.bg << "; row: " << s.row(y);
    }
    return ::testing::AssertionSuccess();
}

const char *const templateLines[10] = {
    "　　ａ　ｂ　ｃ　ｄ　ｅ　ｆ　ｇ　ｈ",
    "　┌─┬─┬─┬─┬─┬─┬─┬─┐",
    "１│●│●│●│●│●│●│●│●│",
    "　├─┼─┼─┼─┼─┼─┼─┼─┤",
    "２│●│●│●│●│●│●│●│●│",
    "　├─┼─┼─┼─┼─┼─┼─┼─┤",
    "３│●│●│●│●│●│●│●│●│",
    "　├─┼─┼─┼─┼─┼─┼─┼─┤",
    "４│●│●│●│●│●│●│●│●│",
    "　└─┴─┴─┴─┴─┴─┴─┴─┘",
};

const char *const glyphsById[32] = {
    "將", "士", "士", "象", "象", "車", "車", "馬", "馬", "包", "包", "卒", "卒", "卒", "卒", "卒",
    "帥", "仕", "仕", "相", "相", "硨", "硨", "傌", "傌", "炮", "炮", "兵", "兵", "兵", "兵", "兵",
};

const unsigned short marked = 0x1E;  // bright yellow on blue: no operation sets it

TEST(DisplayBoard, DrawsTitleBoardAndInstructions) {
    Screen s = runOnTerminal([] {
        textPut("left over");
        setTextColor(0x1F);  // the clearing takes the attribute found on entry
        displayBoard();
        textPut("X");
        return 0;
    });
    ASSERT_EQ(s.exitCode, 0);

    EXPECT_EQ(s.row(1).find("left over"), std::string::npos);
    EXPECT_TRUE(blank(s, 1, 80, 1, 0x1F));
    EXPECT_TRUE(blank(s, 1, 80, 25, 0x1F));

    EXPECT_TRUE(shows(s, 32, 2, {{"暗　　　　　　　棋", 10}}));
    for (int i = 0; i < 10; i++)
        EXPECT_TRUE(shows(s, 22, 5 + i, {{templateLines[i], 7}})) << "template line " << i;

    int end = 0;
    EXPECT_TRUE(shows(s, 15, 18,
                      {{"請用 ", 7}, {"↑↓← →", 15}, {" 移動, 用 ", 7}, {"空白", 15},
                       {" 鍵選取棋子, 按 ", 7}, {"G", 15}, {" 放棄,", 7}},
                      &end));
    EXPECT_EQ(end, 66);
    EXPECT_TRUE(shows(s, 19, 19,
                      {{"按 ", 7}, {"T", 15}, {" 和局, 按 ", 7}, {"S", 15},
                       {" 顯示/隱藏死子, ", 7}, {"結束請按 ", 7}, {"Esc", 15}},
                      &end));
    EXPECT_EQ(end, 62);
    // The cursor stays just after "Esc", with 7 in force.
    EXPECT_TRUE(shows(s, 62, 19, {{"X", 7}}));
}

TEST(DisplayBoard, EveryCellSitsUnderItsColumnLetter) {
    const char *const letters[8] = {"ａ", "ｂ", "ｃ", "ｄ", "ｅ", "ｆ", "ｇ", "ｈ"};
    Screen down = runOnTerminal([] {
        displayBoard();
        return 0;
    });
    Screen up = runOnTerminal([] {
        displayBoard();
        for (int id = 0; id < 32; id++)
            displayPiece(id / 8, id % 8, id, 1, 0);
        return 0;
    });
    ASSERT_EQ(down.exitCode, 0);
    ASSERT_EQ(up.exitCode, 0);
    for (int id = 0; id < 32; id++) {
        int x = 26 + 4 * (id % 8), y = 7 + 2 * (id / 8);
        SCOPED_TRACE("cell " + std::to_string(id / 8) + "," + std::to_string(id % 8));
        EXPECT_EQ(down.cell(x, 5).text, letters[id % 8]);
        EXPECT_EQ(down.cell(x, y).text, "●");
        EXPECT_EQ(up.cell(x, y).text, glyphsById[id]);
        EXPECT_EQ(up.cell(x - 2, y).text, "│");
        EXPECT_EQ(up.cell(x + 2, y).text, "│");
    }
}

TEST(DisplayPiece, CornersReplaceExactlyOneBackGlyph) {
    Screen before = runOnTerminal([] {
        displayBoard();
        return 0;
    });
    Screen after = runOnTerminal([] {
        displayBoard();
        displayPiece(0, 0, 16, 1, 0);
        displayPiece(3, 7, 0, 1, 0);
        return 0;
    });
    ASSERT_EQ(after.exitCode, 0);
    EXPECT_EQ(before.cell(26, 7).text, "●");
    EXPECT_EQ(before.cell(54, 13).text, "●");
    EXPECT_TRUE(shows(after, 26, 7, {{"帥", 12}}));
    EXPECT_TRUE(shows(after, 54, 13, {{"將", 7}}));
    // Nothing else on either row changed.
    for (int y : {7, 13}) {
        int x0 = y == 7 ? 26 : 54;
        for (int x = 1; x <= 80; x++) {
            if (x == x0 || x == x0 + 1)
                continue;
            EXPECT_EQ(after.cell(x, y).text, before.cell(x, y).text) << "(" << x << ", " << y << ")";
        }
    }
}

TEST(DisplayPiece, AttributeBySideFaceAndHighlight) {
    struct Case {
        int piece, faceUp, highlight;
        unsigned short attr;
        const char *shown;
    };
    const Case cases[] = {
        {20, 0, 0, 0x07, "●"}, {20, 0, 1, 0xAF, "●"}, {20, 0, 2, 0x6F, "●"},  // red, face down
        {4, 0, 0, 0x07, "●"},                                                  // black, face down
        {4, 1, 0, 0x07, "象"}, {4, 1, 1, 0xAF, "象"}, {4, 1, 2, 0x6F, "象"},
        {20, 1, 0, 0x0C, "相"}, {20, 1, 1, 0xAC, "相"}, {20, 1, 2, 0x6C, "相"},
        {20, 1, 3, 0x0C, "相"}, {20, 1, -1, 0x0C, "相"}, {4, 0, 3, 0x07, "●"},  // no such highlight
    };
    for (const Case &k : cases) {
        SCOPED_TRACE("piece " + std::to_string(k.piece) + " faceUp " + std::to_string(k.faceUp) +
                     " highlight " + std::to_string(k.highlight));
        Screen s = runOnTerminal([&k] {
            displayBoard();
            setTextColor(marked);
            displayPiece(1, 2, k.piece, k.faceUp, k.highlight);
            textPut("X");
            return 0;
        });
        ASSERT_EQ(s.exitCode, 0);
        EXPECT_TRUE(shows(s, 34, 9, {{k.shown, k.attr}}));
        // Back at the status line, with the attribute found on entry.
        EXPECT_TRUE(shows(s, 1, 23, {{"X", marked}}));
    }
}

TEST(Prompt, ShowsTheSideInItsColourAndRestoresTheAttribute) {
    struct Case {
        int side;
        const char *word;
        unsigned short attr;
    };
    for (const Case &k : {Case{1, "RED   ", 12}, Case{0, "BLACK ", 15}, Case{-2, "RED   ", 12}}) {
        SCOPED_TRACE("side " + std::to_string(k.side));
        Screen s = runOnTerminal([&k] {
            setTextColor(marked);
            prompt(k.side);
            textPut("X");
            return 0;
        });
        ASSERT_EQ(s.exitCode, 0);
        EXPECT_TRUE(shows(s, 18, 4, {{"next: ", marked}, {k.word, k.attr}}));
        EXPECT_TRUE(shows(s, 1, 23, {{"X", marked}}));
    }
}

TEST(Prompt, BlackAfterRedLeavesNoTraceOfRed) {
    Screen s = runOnTerminal([] {
        prompt(1);
        prompt(0);
        return 0;
    });
    ASSERT_EQ(s.exitCode, 0);
    EXPECT_TRUE(shows(s, 18, 4, {{"next: ", 7}, {"BLACK ", 15}}));
    EXPECT_EQ(s.row(4).find("RED"), std::string::npos) << s.row(4);
}

TEST(Status, ReplacesAnEarlierMessageWholly) {
    auto run = [](bool marker) {
        return runOnTerminal([marker] {
            // 80 columns of Big5 first, then a short message that holds "%".
            status("\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1"
                   "\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1"
                   "\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1"
                   "\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1\xB4\xD1");  // 棋 x 40
            setTextColor(marked);
            status("100% \xA7\xB9\xA6\xA8 %s %d");  // 100% 完成 %s %d
            if (marker) {
                gotoxy(1, 24);
                textPut("X");
            }
            return 0;
        });
    };
    Screen s = run(false);
    ASSERT_EQ(s.exitCode, 0);
    int end = 0;
    EXPECT_TRUE(shows(s, 1, 23, {{"100% 完成 %s %d", 7}}, &end));
    EXPECT_TRUE(blank(s, end, 80, 23, 7));
    EXPECT_EQ(s.cursorX, 1);
    EXPECT_EQ(s.cursorY, 23);

    Screen after = run(true);
    ASSERT_EQ(after.exitCode, 0);
    EXPECT_TRUE(shows(after, 1, 24, {{"X", 7}}));
}

TEST(ShowDeadPieces, EachInItsSideColourLeavingTheLast) {
    struct Case {
        int dead[2];
        const char *first, *second;
        unsigned short firstAttr, secondAttr;
    };
    for (const Case &k : {Case{{3, 20}, "象", "相", 7, 12}, Case{{16, 15}, "帥", "卒", 12, 7}}) {
        SCOPED_TRACE("ids " + std::to_string(k.dead[0]) + ", " + std::to_string(k.dead[1]));
        Screen s = runOnTerminal([&k] {
            gotoxy(1, 16);
            textPut("################################################################################");
            setTextColor(marked);
            int dead[2] = {k.dead[0], k.dead[1]};
            showDeadPieces(2, dead);
            textPut("X");
            return 0;
        });
        ASSERT_EQ(s.exitCode, 0);
        // Blanked in the attribute found; only the label is set to 7.
        EXPECT_TRUE(blank(s, 1, 13, 16, marked));
        int end = 0;
        EXPECT_TRUE(shows(s, 14, 16, {{"Dead: ", 7}, {k.first, k.firstAttr}, {k.second, k.secondAttr}}, &end));
        EXPECT_EQ(end, 24);
        EXPECT_TRUE(blank(s, 24, 80, 16, marked));
        // The colour of the last glyph stays in force.
        EXPECT_TRUE(shows(s, 1, 23, {{"X", k.secondAttr}}));
    }
}

TEST(ShowDeadPieces, NoPiecesLeavesOnlyTheLabel) {
    for (int count : {0, -3}) {
        SCOPED_TRACE("count " + std::to_string(count));
        Screen s = runOnTerminal([count] {
            gotoxy(1, 16);
            textPut("################################################################################");
            setTextColor(12);
            int dead[] = {3};
            showDeadPieces(count, dead);
            textPut("X");
            return 0;
        });
        ASSERT_EQ(s.exitCode, 0);
        EXPECT_TRUE(blank(s, 1, 13, 16, 12));
        EXPECT_TRUE(shows(s, 14, 16, {{"Dead: ", 7}}));
        EXPECT_TRUE(blank(s, 20, 80, 16, 12));
        EXPECT_TRUE(shows(s, 1, 23, {{"X", 7}}));
    }
}

}  // namespace
