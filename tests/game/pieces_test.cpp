#include <gtest/gtest.h>

#include "game/pieces.h"

TEST(Pieces, EachSideHasOneGeneralTwoOfEachMiddleRankAndFiveSoldiers) {
    const int expectedRank[16] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 6, 6, 6};
    for (int id = 0; id < 32; id++) {
        SCOPED_TRACE(id);
        EXPECT_EQ(getRank(id), expectedRank[id % 16]);
        EXPECT_EQ(getColor(id), id < 16 ? 0 : 1);
    }
}

TEST(Pieces, IdAndIdPlusSixteenAreTheSameKindOnOppositeSides) {
    for (int id = 0; id < 16; id++) {
        EXPECT_EQ(getRank(id), getRank(id + 16));
        EXPECT_NE(getColor(id), getColor(id + 16));
    }
}
