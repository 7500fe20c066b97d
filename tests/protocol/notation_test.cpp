#include "protocol/notation.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<std::string> fieldsOf(const std::string &text) {
    std::istringstream in(text);
    std::vector<std::string> fields;
    for (std::string field; in >> field;)
        fields.push_back(field);
    return fields;
}

const char allRed[] = "KGGMMRRNNCCPPPPP";
const char allBlack[] = "kggmmrrnnccppppp";

TEST(Notation, CellsRunAlongRowsFromTheTopRow) {
    EXPECT_EQ(cellText(0), "a1");
    EXPECT_EQ(cellText(7), "h1");
    EXPECT_EQ(cellText(10), "c2");
    EXPECT_EQ(cellText(31), "h4");
    Visible view = startPosition();
    for (int cell = 0; cell < boardCells; cell++) {
        Move move;
        ASSERT_TRUE(parseMove(cellText(cell), view, &move));
        EXPECT_EQ(move.kind, moveFlip);
        EXPECT_EQ(move.from, cell);
    }
}

TEST(Notation, MovesReadBackAsStepsOrCapturesByTheTarget) {
    Visible view;
    std::string why;
    ASSERT_TRUE(parsePosition(fieldsOf("Kk6/8/8/8 r 3 GGMMRRNNCCPPPPPggmmrrnnccppppp"), &view,
                              &why))
        << why;
    Move move;
    ASSERT_TRUE(parseMove("a1b1", view, &move));
    EXPECT_EQ(move.kind, moveCapture);
    EXPECT_EQ(moveText(move), "a1b1");
    ASSERT_TRUE(parseMove("a1a2", view, &move));
    EXPECT_EQ(move.kind, moveStep);
    EXPECT_EQ(move.to, 8);
    EXPECT_EQ(moveText(move), "a1a2");
    for (const char *bad : {"", "a", "i1", "a0", "a5", "A1", "a1a", "a1a2a", "a1 a2", "a1i1"})
        EXPECT_FALSE(parseMove(bad, view, &move)) << bad;
}

TEST(Notation, PositionsReadAndWriteBackTheSame) {
    const std::string positions[] = {
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX - 0 -",
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b 0 -",
        "X1pXXXXX/XXXKXXXX/XXXC2XX/XXXXXXXX r 0 PPp",
        std::string("K7/8/8/7k b 50 ") + (allRed + 1) + (allBlack + 1),
        "8/2N5/5c2/8 r 17 KGGMMRRNCCPPPPPkggmmrrnncppppp",
    };
    for (const std::string &text : positions) {
        Visible view;
        std::string why;
        ASSERT_TRUE(parsePosition(fieldsOf(text), &view, &why)) << text << ": " << why;
        EXPECT_EQ(positionText(view), text);
    }
}

TEST(Notation, PositionFieldsLandOnTheirCells) {
    Visible view;
    std::string why;
    ASSERT_TRUE(parsePosition(fieldsOf("XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXp r 4 -"), &view, &why))
        << why;
    EXPECT_EQ(view.cell[31], kindOf(0, 6));
    EXPECT_EQ(view.cell[30], cellHidden);
    EXPECT_EQ(view.turn, 1);
    EXPECT_EQ(view.quietMoves, 4);
    ASSERT_TRUE(parsePosition(fieldsOf("4Xc2/XXXXXXXX/XXXXXXXX/XXXXXXXX b 0 GGMMRR"), &view, &why)) << why;
    EXPECT_EQ(view.cell[3], cellEmpty);
    EXPECT_EQ(view.cell[4], cellHidden);
    EXPECT_EQ(view.cell[5], kindOf(0, 5));
    EXPECT_EQ(view.cell[6], cellEmpty);
}

TEST(Notation, MalformedOrImpossiblePositionsAreRefusedAndChangeNothing) {
    const char *refused[] = {
        // the fields
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX - 0",
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX - 0 - -",
        // the board
        "XXXXXXXX/XXXXXXXX/XXXXXXXX - 0 -",
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX/ - 0 -",
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX/8 - 0 -",
        "XXXXXXX/XXXXXXXXX/XXXXXXXX/XXXXXXXX - 0 -",
        "XXXXXXXX/XXXXXXX/XXXXXXXX/XXXXXXXX - 0 -",
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXX9 - 0 -",
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXX0 - 0 -",
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXZ - 0 -",
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXx - 0 -",
        "XXXXXXXX//XXXXXXXX/XXXXXXXX/XXXXXXXX - 0 -",
        "44/8/8/8 r 0 -",
        // the side
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX w 0 -",
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX R 0 -",
        // the quiet-move count
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b -1 -",
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b 51 -",
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b 4294967297 -",
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b 1e3 -",
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b + -",
        // the captured pieces
        "XXXXXXXX/XXXKXXXX/XXXXXXX1/XXXXXXXX b 0 X",
        "XXXXXXXX/XXXKXXXX/XXXXXXX1/XXXXXXXX b 0 Z",
        "XXXXXXXX/XXXKXXXX/XXXXXXX1/XXXXXXXX b 0 --",
        // more of a kind than the set holds
        "KXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b 0 -",
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX b 0 PPPPPP",
        "XXXXXXXX/XXXKXXXX/XXXXXXX1/XXXXXXXX b 0 K",
        // face-down cells against unseen pieces
        "XXXXXXXX/XXXKXXXX/XXXXXXX1/XXXXXXXX b 0 -",
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b 0 p",
        "8/8/8/8 r 0 -",
        // face up before the first flip
        "XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX - 0 -",
    };
    for (const char *text : refused) {
        Visible view = startPosition();
        view.quietMoves = 7;  // a mark that must survive
        std::string why;
        EXPECT_FALSE(parsePosition(fieldsOf(text), &view, &why)) << text;
        EXPECT_FALSE(why.empty()) << text;
        EXPECT_EQ(view.quietMoves, 7) << text;
    }
}

TEST(Notation, NumbersAreBoundedBeforeTheyCanOverflow) {
    int value = -5;
    EXPECT_TRUE(parseNumber("0", 0, 10, &value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(parseNumber("999999999", 0, 999999999, &value));
    EXPECT_EQ(value, 999999999);
    for (const char *bad : {"", "-1", "+1", "11", "1 ", "0x1", "1000000000", "99999999999999999999"})
        EXPECT_FALSE(parseNumber(bad, 0, 10, &value)) << bad;
    EXPECT_EQ(value, 999999999);
}

}  // namespace
