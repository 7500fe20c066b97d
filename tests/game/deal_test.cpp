#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

#include "game/deal.h"

namespace {

std::vector<int> deal(unsigned seed) {
    std::srand(seed);
    std::vector<int> board(32);
    shuffle(board.data(), 32);
    return board;
}

// Pearson's chi-square over where every piece lands in `deals` shuffles
// of 32 from one fixed seed: 32 x 32 cells, 31 x 31 degrees of freedom.
double chiSquareOfPlacements(const std::function<void(int *, int)> &shuffler, int deals) {
    std::vector<long> count(32 * 32, 0);
    std::srand(20261211);
    int values[32];
    for (int d = 0; d < deals; d++) {
        shuffler(values, 32);
        for (int pos = 0; pos < 32; pos++)
            count[values[pos] * 32 + pos]++;
    }
    const double expected = deals / 32.0;
    double chi = 0;
    for (long c : count)
        chi += (c - expected) * (c - expected) / expected;
    return chi;
}

// The chi-square value that uniform placements exceed with probability
// 1e-4 at 961 degrees of freedom (Wilson-Hilferty, z = 3.719).
double criticalValue() {
    const double df = 31 * 31, z = 3.719, v = 2 / (9 * df);
    return df * std::pow(1 - v + z * std::sqrt(v), 3);
}

}  // namespace

TEST(Deal, GivesEveryPieceExactlyOnce) {
    for (unsigned seed : {1u, 2u, 12345u, 4000000000u}) {
        std::vector<int> board = deal(seed);
        std::sort(board.begin(), board.end());
        for (int i = 0; i < 32; i++)
            ASSERT_EQ(board[i], i) << "seed " << seed;
    }
}

TEST(Deal, TheSameSeedDealsTheSameBoard) {
    EXPECT_EQ(deal(77), deal(77));
    EXPECT_NE(deal(77), deal(78));
}

TEST(Deal, DrawsOneRandomNumberPerPosition) {
    // After shuffling n values the generator has moved on by exactly n draws.
    for (int n : {0, 1, 5, 32}) {
        std::srand(99);
        std::vector<int> values(n + 1, -7);
        shuffle(values.data(), n);
        int afterShuffle = std::rand();
        std::srand(99);
        for (int i = 0; i < n; i++)
            std::rand();
        EXPECT_EQ(afterShuffle, std::rand()) << "n = " << n;
        EXPECT_EQ(values[n], -7) << "wrote past the end, n = " << n;
    }
}

TEST(Deal, OneValueStaysAtZero) {
    int value = 42;
    shuffle(&value, 1);
    EXPECT_EQ(value, 0);
}

TEST(Deal, SwapExchanges) {
    int a = 3, b = 9;
    swap(&a, &b);
    EXPECT_EQ(a, 9);
    EXPECT_EQ(b, 3);
}

TEST(Deal, EveryPieceIsEquallyLikelyInEveryCell) {
    EXPECT_LT(chiSquareOfPlacements(shuffle, 64000), criticalValue());
}

TEST(Deal, ThePlacementCheckRejectsABiasedShuffle) {
    // Swapping with any position, not just those not yet fixed, is the
    // classic biased shuffle; the check above must be able to tell.
    auto naive = [](int *values, int count) {
        for (int i = 0; i < count; i++)
            values[i] = i;
        for (int i = 0; i < count; i++)
            swap(&values[i], &values[std::rand() % count]);
    };
    EXPECT_GT(chiSquareOfPlacements(naive, 64000), criticalValue());
}
