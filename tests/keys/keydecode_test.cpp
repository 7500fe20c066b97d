#include "platform/posix/conio/keydecode.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Codes = std::vector<int>;

void feed(KeyDecoder *d, const std::string &bytes, Codes &out) {
    for (unsigned char byte : bytes) {
        int codes[keyDecodeMaxCodes];
        int n = keyDecodeByte(d, byte, codes);
        out.insert(out.end(), codes, codes + n);
    }
}

void pause(KeyDecoder *d, Codes &out) {
    int codes[keyDecodeMaxCodes];
    int n = keyDecodeFlush(d, codes);
    out.insert(out.end(), codes, codes + n);
}

// The bytes of one key as a terminal sends them, and its codes.
struct OneKey {
    const char *name;
    std::string bytes;
    Codes codes;
    bool needsPause;  // complete only once no further byte comes
};

void PrintTo(const OneKey &key, std::ostream *os) {
    *os << key.name;
}

const OneKey oneKeys[] = {
    {"letter", "g", {103}, false},
    {"capital", "G", {71}, false},
    {"space", " ", {32}, false},
    {"Enter as CR", "\r", {13}, false},
    {"Enter as LF", "\n", {13}, false},
    {"Backspace as DEL", "\x7f", {8}, false},
    {"Backspace as BS", "\b", {8}, false},
    {"Tab", "\t", {9}, false},
    {"Ctrl-A", "\x01", {1}, false},
    {"Ctrl-Space", std::string(1, '\0'), {0, 3}, false},
    {"Esc alone", "\x1b", {27}, true},
    {"up CSI", "\x1b[A", {224, 72}, false},
    {"down CSI", "\x1b[B", {224, 80}, false},
    {"right CSI", "\x1b[C", {224, 77}, false},
    {"left CSI", "\x1b[D", {224, 75}, false},
    {"up SS3", "\x1bOA", {224, 72}, false},
    {"down SS3", "\x1bOB", {224, 80}, false},
    {"right SS3", "\x1bOC", {224, 77}, false},
    {"left SS3", "\x1bOD", {224, 75}, false},
    {"Ctrl-up", "\x1b[1;5A", {224, 72}, false},
    {"Shift-down", "\x1b[1;2B", {224, 80}, false},
    {"Alt-right", "\x1b[1;3C", {224, 77}, false},
    {"rxvt Ctrl-up", "\x1bOa", {224, 72}, false},
    {"rxvt Shift-left", "\x1b[d", {224, 75}, false},
    {"Home CSI", "\x1b[H", {224, 71}, false},
    {"Home SS3", "\x1bOH", {224, 71}, false},
    {"Home VT", "\x1b[1~", {224, 71}, false},
    {"Home rxvt", "\x1b[7~", {224, 71}, false},
    {"End CSI", "\x1b[F", {224, 79}, false},
    {"End VT", "\x1b[4~", {224, 79}, false},
    {"End rxvt", "\x1b[8~", {224, 79}, false},
    {"Insert", "\x1b[2~", {224, 82}, false},
    {"Delete", "\x1b[3~", {224, 83}, false},
    {"Ctrl-Delete", "\x1b[3;5~", {224, 83}, false},
    {"Page Up", "\x1b[5~", {224, 73}, false},
    {"Page Down", "\x1b[6~", {224, 81}, false},
    {"rxvt Ctrl-Page Down", "\x1b[6^", {224, 81}, false},
    {"F1 SS3", "\x1bOP", {0, 59}, false},
    {"F2 SS3", "\x1bOQ", {0, 60}, false},
    {"F4 SS3", "\x1bOS", {0, 62}, false},
    {"Shift-F1", "\x1b[1;2P", {0, 59}, false},
    {"F1 VT", "\x1b[11~", {0, 59}, false},
    {"F1 Linux console", "\x1b[[A", {0, 59}, false},
    {"F5 Linux console", "\x1b[[E", {0, 63}, false},
    {"F5", "\x1b[15~", {0, 63}, false},
    {"F6", "\x1b[17~", {0, 64}, false},
    {"F10", "\x1b[21~", {0, 68}, false},
    {"F11", "\x1b[23~", {224, 133}, false},
    {"F12", "\x1b[24~", {224, 134}, false},
    {"Shift-F12", "\x1b[24;2~", {224, 134}, false},
    {"Shift-Tab", "\x1b[Z", {0, 15}, false},
    {"keypad Enter", "\x1bOM", {13}, false},
    {"keypad 0", "\x1bOp", {'0'}, false},
    {"keypad plus", "\x1bOk", {'+'}, false},
    {"Alt-g", "\x1bg", {0, 34}, false},
    {"Alt-G", "\x1bG", {0, 34}, false},
    {"Alt-1", "\x1b" "1", {0, 120}, false},
    {"Alt-0", "\x1b" "0", {0, 129}, false},
    {"Alt-Backspace", "\x1b\x7f", {0, 14}, false},
    {"Alt-[", "\x1b[", {0, 26}, true},
    {"two-byte character", "\xc3\xa9", {63}, false},
    {"three-byte character", "\xe4\xb8\xad", {63}, false},
    {"four-byte character", "\xf0\x9f\x98\x80", {63}, false},
};

class OneKeyTest : public testing::TestWithParam<OneKey> {};

TEST_P(OneKeyTest, GivesItsCodesWhole) {
    const OneKey &key = GetParam();
    KeyDecoder d{};
    Codes out;
    feed(&d, key.bytes, out);
    if (key.needsPause) {
        EXPECT_TRUE(out.empty());
        EXPECT_TRUE(keyDecodePending(&d));
        pause(&d, out);
    }
    EXPECT_EQ(out, key.codes);
    EXPECT_FALSE(keyDecodePending(&d));
}

// Cut anywhere inside the key, the bytes so far give nothing yet and ask
// for more; the rest then completes the same key.
TEST_P(OneKeyTest, SplitAtEveryByteWaitsForTheRest) {
    const OneKey &key = GetParam();
    for (std::size_t cut = 1; cut < key.bytes.size(); ++cut) {
        KeyDecoder d{};
        Codes out;
        feed(&d, key.bytes.substr(0, cut), out);
        EXPECT_TRUE(out.empty()) << "cut after " << cut;
        EXPECT_TRUE(keyDecodePending(&d)) << "cut after " << cut;
        feed(&d, key.bytes.substr(cut), out);
        if (key.needsPause)
            pause(&d, out);
        EXPECT_EQ(out, key.codes) << "cut after " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, OneKeyTest, testing::ValuesIn(oneKeys),
                         [](const testing::TestParamInfo<OneKey> &info) {
                             std::string name;
                             for (char c : std::string(info.param.name))
                                 name += std::isalnum((unsigned char)c) ? c : '_';
                             return name;
                         });

// Runs of bytes with several keys, broken sequences and reports no key
// makes; a pause (flush) follows the last byte.
struct Stream {
    std::string bytes;
    Codes codes;
};

TEST(KeyStream, SeparatesKeysAndSwallowsWhatNoKeySends) {
    const Stream streams[] = {
        {"ab", {97, 98}},
        {"\x1b[A\x1bOB", {224, 72, 224, 80}},
        {"\x1b\x1b", {27, 27}},
        {"\x1b\x1b[A", {27, 224, 72}},
        {"\x1b!", {27, 33}},  // Alt with a key that has no Alt code
        {"\x1b\r", {0, 28}},
        {"\x1b[200~hi\x1b[201~", {'h', 'i'}},  // paste markers
        {"\x1b[I\x1b[Ox", {'x'}},               // focus reports
        {"\x1b[?1;2cx", {'x'}},                 // a device report
        {"\x1b[<0;3;4Mx", {'x'}},               // a mouse report
        {"\x1b[25~x", {'x'}},                   // F13: no Windows code
        {"\x1b[1;5\x1b[B", {224, 80}},          // cut short by the next key
        {"\x1b[1;5\x7f", {8}},
        {"\xc3x", {63, 'x'}},                   // a character cut short
        {"\xc3\x1b[A", {63, 224, 72}},
        {"\xa9", {63}},                         // a stray continuation byte
        {"\xff\xc0", {63, 63}},
        {"\xe4\xb8", {63}},                     // cut short by the pause
        {"\x1b" "O", {0, 24}},                  // Alt-O
        {"\x1b[99999999999999999999~x", {'x'}},
    };
    for (const Stream &s : streams) {
        KeyDecoder d{};
        Codes out;
        feed(&d, s.bytes, out);
        pause(&d, out);
        EXPECT_EQ(out, s.codes) << testing::PrintToString(s.bytes);
        EXPECT_FALSE(keyDecodePending(&d));
    }
}

// A pause inside a sequence ends it there: what came before stands as
// keys of its own, what follows begins anew.
TEST(KeyStream, PauseEndsASequence) {
    KeyDecoder d{};
    Codes out;
    feed(&d, "\x1b", out);
    pause(&d, out);
    feed(&d, "[A", out);
    EXPECT_EQ(out, (Codes{27, '[', 'A'}));

    out.clear();
    feed(&d, "\x1b[", out);
    pause(&d, out);
    feed(&d, "A", out);
    EXPECT_EQ(out, (Codes{0, 26, 'A'}));

    out.clear();
    pause(&d, out);  // nothing begun, nothing given
    EXPECT_TRUE(out.empty());
}

TEST(KeyStream, ResetForgetsAPartialKey) {
    KeyDecoder d{};
    Codes out;
    feed(&d, "\x1b[1;", out);
    keyDecodeReset(&d);
    EXPECT_FALSE(keyDecodePending(&d));
    feed(&d, "A", out);
    EXPECT_EQ(out, Codes{'A'});
}

}  // namespace

// A cursor position report the program asked for is no key; one it did
// not ask for reads as the modified F3 it looks like.
TEST(KeyDecodeOwedReports, AnOwedReportIsSwallowedAndTheKeysAroundItCome) {
    KeyDecoder d{};
    d.owedReports = 1;
    Codes out;
    feed(&d, " \x1b[24;1R ", out);
    EXPECT_EQ(out, (Codes{' ', ' '}));
    EXPECT_EQ(d.owedReports, 0);
    out.clear();
    feed(&d, "\x1b[1;2R", out);
    EXPECT_EQ(out, (Codes{0, 61}));
}
