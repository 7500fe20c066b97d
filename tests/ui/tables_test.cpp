// The play screen's piece tables against the piece set and the glyphs a
// reader sees, and the order of piece ids.
#include <iconv.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "game/pieces.h"
#include "ui/screen.h"
#include "ui/symbols.h"

namespace {

std::string toUtf8(const char *big5) {
    iconv_t cd = iconv_open("UTF-8", "BIG5");
    EXPECT_NE(cd, (iconv_t)-1);
    char out[16] = {};
    char *in = const_cast<char *>(big5);
    size_t inLeft = std::strlen(big5), outLeft = sizeof out - 1;
    char *o = out;
    size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    return r == (size_t)-1 ? "<invalid>" : std::string(out);
}

const char *const glyphsById[32] = {
    "將", "士", "士", "象", "象", "車", "車", "馬", "馬", "包", "包", "卒", "卒", "卒", "卒", "卒",
    "帥", "仕", "仕", "相", "相", "硨", "硨", "傌", "傌", "炮", "炮", "兵", "兵", "兵", "兵", "兵",
};

TEST(PieceTables, AgreeWithThePieceSetForEveryId) {
    for (int id = 0; id < 32; id++) {
        SCOPED_TRACE("id " + std::to_string(id));
        EXPECT_EQ(colors[id], getColor(id));
        EXPECT_EQ(ranks[id], getRank(id));
        ASSERT_EQ(std::strlen(pieceSymbols[id]), 2u);  // one Big5 glyph
        EXPECT_EQ(toUtf8(pieceSymbols[id]), glyphsById[id]);
        EXPECT_EQ(pieceSymbols[id], pieceSymbols0[id + 1]);
    }
}

TEST(PieceTables, BlankAndBackGlyphs) {
    EXPECT_EQ(pieceSymbols[-1], pieceSymbols0[0]);
    EXPECT_EQ(toUtf8(pieceSymbols[-1]), "\u3000");
    EXPECT_EQ(toUtf8(blankSymbol), "\u3000");
    EXPECT_EQ(toUtf8(backSymbol), "●");
    EXPECT_EQ(std::strlen(backSymbol), 2u);
    EXPECT_EQ(std::strlen(blankSymbol), 2u);
}

TEST(Compare, OrdersPieceIdsAscendingForQsort) {
    int a = 5, b = 9, c = 7, d = 7;
    EXPECT_LT(compare(&a, &b), 0);
    EXPECT_GT(compare(&b, &a), 0);
    EXPECT_EQ(compare(&c, &d), 0);

    int dead[] = {28, 3, 31, 0, 19, 11, 3, 16};
    std::qsort(dead, 8, sizeof dead[0], compare);
    const int sorted[] = {0, 3, 3, 11, 16, 19, 28, 31};
    for (int i = 0; i < 8; i++)
        EXPECT_EQ(dead[i], sorted[i]) << "at " << i;
}

}  // namespace
