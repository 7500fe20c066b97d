#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/textout.h"
#include "scripted_getch.h"
#include "support/capture.h"
#include "ui/screen.h"

namespace {

const std::string refusal = "Invalid key!";

std::string times(int n, const std::string &text) {
    std::string all;
    for (int i = 0; i < n; ++i)
        all += text;
    return all;
}

struct Press {
    const char *name;
    std::vector<int> codes;
    int returned;
    int refusals;  // "Invalid key!" written this many times, back to back
};

void PrintTo(const Press &press, std::ostream *os) {
    *os << press.name;
}

const Press presses[] = {
    {"Space", {32}, 32, 0},
    {"Esc", {27}, 27, 0},
    {"S", {83}, 83, 0},
    {"G", {71}, 71, 0},
    {"T", {84}, 84, 0},
    {"g then G", {103, 71}, 71, 1},
    {"s then S", {115, 83}, 83, 1},
    {"t then T", {116, 84}, 84, 1},
    {"up after 224", {224, 72}, 72, 0},
    {"up after 0", {0, 72}, 72, 0},
    {"down", {224, 80}, 80, 0},
    {"left", {224, 75}, 75, 0},
    {"right", {0, 77}, 77, 0},
    {"arrow codes as letters", {'H', 'P', 'K', 'M', 32}, 32, 4},
    {"Enter and Backspace", {13, 8, 27}, 27, 2},
    {"F1 then Esc", {0, 59, 27}, 27, 1},
    // The scan code after a prefix is never a key of its own, even when
    // it equals an accepted one: Delete is 224 83, and 83 is S.
    {"Delete", {224, 83, 32}, 32, 1},
    {"prefix then Esc code", {224, 27, 71}, 71, 1},
    {"prefix then prefix", {0, 224, 72, 32}, 32, 2},
    {"F12", {224, 134, 77, 224, 77}, 77, 2},
};

class GetKeyTest : public testing::TestWithParam<Press> {};

TEST_P(GetKeyTest, ReturnsTheAcceptedKeyAndRefusesTheRest) {
    const Press &p = GetParam();
    scriptKeys(p.codes);
    int key = -1;
    std::string written = captureStdout([&] {
        key = getKey();
        textFlush();
    });
    EXPECT_EQ(key, p.returned);
    EXPECT_EQ(scriptedReads(), (int)p.codes.size());
    EXPECT_EQ(written, times(p.refusals, refusal));
}

INSTANTIATE_TEST_SUITE_P(Keys, GetKeyTest, testing::ValuesIn(presses),
                         [](const testing::TestParamInfo<Press> &info) {
                             std::string name;
                             for (char c : std::string(info.param.name))
                                 name += c == ' ' ? '_' : c;
                             return name;
                         });

// F1 alone: refused once, both codes taken, and getKey reads on.
TEST(GetKey, KeepsWaitingAfterAFunctionKey) {
    scriptKeys({0, 59});
    bool waiting = false;
    std::string written = captureStdout([&] {
        try {
            getKey();
        } catch (const ScriptEnded &) {
            waiting = true;
        }
        textFlush();
    });
    EXPECT_TRUE(waiting);
    EXPECT_EQ(scriptedReads(), 2);
    EXPECT_EQ(written, refusal);
}

}  // namespace
