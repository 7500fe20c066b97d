#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "game/table.h"
#include "support/capture.h"

namespace {

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(Table, PrintsEveryPieceByItsBig5Glyph) {
    // Pieces in id order, so each of the 32 glyph slots shows up once.
    int board[32];
    for (int i = 0; i < 32; i++)
        board[i] = i;
    std::string golden = readFile(FIXTURES_DIR "/table_in_id_order.big5");
    ASSERT_EQ(golden.size(), 315u);
    EXPECT_EQ(captureStdout([&] { printBoard(4, 8, board); }), golden);
}

TEST(Table, CellsFollowTheBoardRowByRow) {
    int board[32];
    for (int i = 0; i < 32; i++)
        board[i] = 31 - i;
    std::string out = captureStdout([&] { printBoard(4, 8, board); });
    // Second line, first cell: "│" then 兵 (id 31); last line before the
    // bottom border ends with 將 (id 0) then "│".
    EXPECT_EQ(out.substr(35, 4), "\xA2\x78\xA7\x4C");
    EXPECT_EQ(out.substr(315 - 35 - 5, 5), "\xB1\x4E\xA2\x78\n");
}

TEST(Table, OneRowHasNoSeparator) {
    int board[8] = {0, 16, 1, 17, 5, 21, 11, 27};
    std::string out = captureStdout([&] { printBoard(1, 8, board); });
    const std::string expected =
        "\xA2\x7A\xA2\x77\xA2\x73\xA2\x77\xA2\x73\xA2\x77\xA2\x73\xA2\x77\xA2\x73"
        "\xA2\x77\xA2\x73\xA2\x77\xA2\x73\xA2\x77\xA2\x73\xA2\x77\xA2\x7B\n"   // ┌─┬…┐
        "\xA2\x78\xB1\x4E\xA2\x78\xAB\xD3\xA2\x78\xA4\x68\xA2\x78\xA5\x4B"      // │將│帥│士│仕
        "\xA2\x78\xA8\xAE\xA2\x78\xDA\xCF\xA2\x78\xA8\xF2\xA2\x78\xA7\x4C"      // │車│硨│卒│兵
        "\xA2\x78\n"                                                             // │
        "\xA2\x7C\xA2\x77\xA2\x72\xA2\x77\xA2\x72\xA2\x77\xA2\x72\xA2\x77\xA2\x72"
        "\xA2\x77\xA2\x72\xA2\x77\xA2\x72\xA2\x77\xA2\x72\xA2\x77\xA2\x7D\n";  // └─┴…┘
    EXPECT_EQ(out, expected);
}
