#include "platform/posix/big5_transcoder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cwchar>
#include <memory>
#include <string>

namespace {

class Big5ToUtf8 : public ::testing::Test {
protected:
    void SetUp() override {
        // Widths are those of the locale in force when the transcoder is made.
        ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
        transcoder = std::make_unique<Big5Transcoder>("UTF-8");
        ASSERT_TRUE(transcoder->ok());
    }
    void TearDown() override { std::setlocale(LC_CTYPE, "C"); }

    std::string convert(const std::string &big5) {
        std::string out;
        transcoder->convert(big5.data(), big5.size(), out);
        return out;
    }

    static int columns(const std::string &utf8) {
        std::wstring wide(utf8.size(), L'\0');
        std::size_t n = std::mbstowcs(&wide[0], utf8.c_str(), wide.size());
        wide.resize(n);
        return wcswidth(wide.c_str(), wide.size());
    }

    std::unique_ptr<Big5Transcoder> transcoder;
};

}  // namespace

TEST_F(Big5ToUtf8, ShowsTheSameCharacters) {
    struct Case {
        const char *big5;
        const char *utf8;
    } cases[] = {
        {"\xB1\x4E", "將"}, {"\xAB\xD3", "帥"}, {"\xDA\xCF", "硨"}, {"\xD8\x58", "傌"},
        {"\xA1\x40", "　"},  // the ideographic space is two columns already
        {"\xA2\xE9", "ａ"}, {"\xA2\xB3", "４"},
        {"next: RED   ", "next: RED   "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(convert(c.big5), c.utf8) << c.utf8;
}

TEST_F(Big5ToUtf8, KeepsNarrowGlyphsTwoColumnsWide) {
    struct Case {
        const char *big5;
        const char *utf8;
    } cases[] = {
        {"\xA2\x7A", "┌─"}, {"\xA2\x73", "┬─"}, {"\xA2\x75", "├─"}, {"\xA2\x71", "┼─"},
        {"\xA2\x7C", "└─"}, {"\xA2\x72", "┴─"}, {"\xA2\x77", "──"},
        {"\xA2\x7B", "┐ "}, {"\xA2\x74", "┤ "}, {"\xA2\x7D", "┘ "}, {"\xA2\x78", "│ "},
        {"\xA1\xB4", "● "}, {"\xA1\xF4", "↑ "}, {"\xA1\xF6", "← "},
    };
    for (const Case &c : cases) {
        std::string shown = convert(c.big5);
        EXPECT_EQ(shown, c.utf8);
        EXPECT_EQ(columns(shown), 2) << c.utf8;
    }
}

TEST_F(Big5ToUtf8, TableLinesStayAlignedAt34Columns) {
    const std::string top =
        "\xA2\x7A\xA2\x77\xA2\x73\xA2\x77\xA2\x73\xA2\x77\xA2\x73\xA2\x77\xA2\x73"
        "\xA2\x77\xA2\x73\xA2\x77\xA2\x73\xA2\x77\xA2\x73\xA2\x77\xA2\x7B";
    const std::string row =
        "\xA2\x78\xB1\x4E\xA2\x78\xA4\x68\xA2\x78\xA7\x4C\xA2\x78\xA5\x5D"
        "\xA2\x78\xAC\xB6\xA2\x78\xB6\x48\xA2\x78\xA8\xF2\xA2\x78\xD8\x58\xA2\x78";
    EXPECT_EQ(convert(top), "┌───┬───┬───┬───┬───┬───┬───┬───┐ ");
    EXPECT_EQ(convert(row), "│ 將│ 士│ 兵│ 包│ 炮│ 象│ 卒│ 傌│ ");
    EXPECT_EQ(columns(convert(top)), 34);
    EXPECT_EQ(columns(convert(row)), 34);
}

TEST_F(Big5ToUtf8, JoinsACharacterSplitAcrossWrites) {
    EXPECT_EQ(convert("ab\xB1"), "ab");
    EXPECT_EQ(convert("\x4E" "c"), "將c");
}

TEST(Big5ToAscii, ShowsUnknownCharactersAsAQuestionMarkTwoColumnsWide) {
    std::setlocale(LC_CTYPE, "C");
    Big5Transcoder ascii("ANSI_X3.4-1968");
    ASSERT_TRUE(ascii.ok());
    std::string out;
    const char text[] = "\xB1\x4E" "ok" "\xA2\x78";
    ascii.convert(text, sizeof text - 1, out);
    EXPECT_EQ(out, "? ok? ");
}

TEST(Big5Codeset, RecognisesTheNamesLocalesUse) {
    for (const char *name : {"BIG5", "Big5", "big5-hkscs", "BIG5HKSCS", "CP950", "cp950"})
        EXPECT_TRUE(isBig5Codeset(name)) << name;
    for (const char *name : {"UTF-8", "ANSI_X3.4-1968", "GB18030", "EUC-TW", "CP936"})
        EXPECT_FALSE(isBig5Codeset(name)) << name;
}

TEST(Big5Codeset, UnknownTargetIsReportedNotGuessed) {
    Big5Transcoder nowhere("NO-SUCH-ENCODING");
    EXPECT_FALSE(nowhere.ok());
}

// A terminal that shows ambiguous characters two columns wide: they get no
// fill, and every Big5 character is still two columns.
TEST(Big5ToUtf8AmbiguousWide, FillsNothingAfterAmbiguousCharacters) {
    ASSERT_NE(std::setlocale(LC_CTYPE, "C.UTF-8"), nullptr);
    Big5Transcoder wide("UTF-8", true);
    ASSERT_TRUE(wide.ok());
    std::string out;
    wide.convert("\xA2\x7A\xA2\x77\xA1\xB4\xA1\xF4\xB1\x4E", 10, out);  // ┌─●↑將
    EXPECT_EQ(out, "\xE2\x94\x8C\xE2\x94\x80\xE2\x97\x8F\xE2\x86\x91\xE5\xB0\x87");
    Big5Transcoder narrow("UTF-8");
    std::string narrowOut;
    narrow.convert("\xA2\x7A", 2, narrowOut);
    EXPECT_EQ(narrowOut, "\xE2\x94\x8C\xE2\x94\x80");  // ┌ and its rule
    std::setlocale(LC_CTYPE, "C");
}
