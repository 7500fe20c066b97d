// The key reader on the runtime's own _getch, with real key presses: the
// runner types them into this console through tmux.
#include <conio.h>

#include <gtest/gtest.h>

#include "probe.h"
#include "ui/screen.h"

namespace {

class Keys : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("BANQI_KEYS"))
            GTEST_SKIP() << "needs run-gtest.sh to press the keys";
        // A clean row to see the refusals on, with the cursor at its start.
        paintScreen(' ', 7);
        SetConsoleCursorPosition(activeScreen(), {0, 9});
    }
    // What the refusals wrote on that row.
    std::string refusals() { return textAt(1, 10, 40); }
};

TEST_F(Keys, ArrowArrivesAsPrefixAndScanCode) {
    ASSERT_TRUE(pressKeys("Up"));
    int prefix = _getch();
    EXPECT_TRUE(prefix == 0 || prefix == 224) << "prefix " << prefix;
    EXPECT_EQ(_getch(), 72);
}

struct Press {
    const char *keys;    // tmux key names, pressed in this order
    int returned;        // what getKey gives back
    int refused;         // how many of the keys it turned away first
};

void PrintTo(const Press &p, std::ostream *os) {
    *os << "\"" << p.keys << "\"";
}

class KeysPressed : public Keys, public ::testing::WithParamInterface<Press> {};

TEST_P(KeysPressed, ReturnsTheFirstAcceptedKey) {
    const Press &p = GetParam();
    ASSERT_TRUE(pressKeys(p.keys));
    EXPECT_EQ(getKey(), p.returned);

    std::string expected;
    for (int i = 0; i < p.refused; i++)
        expected += "Invalid key!";
    expected.resize(40, ' ');
    EXPECT_EQ(refusals(), expected);
}

// Esc is not pressed here: Wine's console holds a lone escape byte from the
// terminal as the possible start of a sequence until more bytes come, and
// then reads it with the next key as one (Alt and that key).
INSTANTIATE_TEST_SUITE_P(Getkey, KeysPressed, ::testing::Values(
    Press{"Up", 72, 0},
    Press{"Down", 80, 0},
    Press{"Left", 75, 0},
    Press{"Right", 77, 0},
    Press{"Space", 32, 0},
    Press{"g G", 71, 1},
    Press{"s t S", 83, 2},
    Press{"Enter BSpace T", 84, 2},
    // Capitals that are also the arrows' scan codes, typed as letters.
    Press{"H P K M Up", 72, 4}));

}  // namespace
