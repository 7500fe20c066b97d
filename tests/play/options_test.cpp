// banqi-play's command line: every accepted form and what it sets, and
// the mistakes, each with its message.
#include "play/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Parsed {
    bool ok;
    PlayOptions options;
    std::string error;
};

Parsed parse(const std::vector<const char *> &args) {
    std::vector<std::string> words{"banqi-play"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);
    Parsed parsed;
    parsed.ok = parseOptions((int)words.size(), argv.data(), &parsed.options, &parsed.error);
    return parsed;
}

struct Accepted {
    std::vector<const char *> args;
    bool computer, first;
    int level;
};

TEST(PlayOptions, EachAcceptedFormSetsWhatItSays) {
    const Accepted cases[] = {
        {{}, false, false, 3},
        {{"--computer"}, true, false, 3},
        {{"-c"}, true, false, 3},
        {{"--computer=first"}, true, true, 3},
        {{"--computer", "--level", "1"}, true, false, 1},
        {{"--computer", "--level=5"}, true, false, 5},
        {{"-c", "-l", "2"}, true, false, 2},
        {{"-cl4"}, true, false, 4},
        {{"--level=2", "--computer=first"}, true, true, 2},
        {{"--comp", "--lev", "1"}, true, false, 1},  // GNU abbreviations
        {{"-c", "--"}, true, false, 3},
        {{"--level=4"}, true, false, 4},  // a level alone asks for the computer
        {{"-l", "1"}, true, false, 1},
    };
    for (const Accepted &c : cases) {
        std::string shown;
        for (const char *arg : c.args)
            shown += std::string(" ") + arg;
        Parsed parsed = parse(c.args);
        ASSERT_TRUE(parsed.ok) << shown << ": " << parsed.error;
        EXPECT_EQ(parsed.options.computer, c.computer) << shown;
        EXPECT_EQ(parsed.options.computerFirst, c.first) << shown;
        EXPECT_EQ(parsed.options.level, c.level) << shown;
        EXPECT_FALSE(parsed.options.help || parsed.options.version) << shown;
    }
}

TEST(PlayOptions, HelpAndVersion) {
    EXPECT_TRUE(parse({"--help"}).options.help);
    EXPECT_TRUE(parse({"-h"}).options.help);
    EXPECT_TRUE(parse({"--version"}).options.version);
    EXPECT_FALSE(parse({"--version"}).options.help);
}

TEST(PlayOptions, MistakesAreRefusedWithWhatIsWrong) {
    const struct {
        std::vector<const char *> args;
        const char *error;
    } cases[] = {
        {{"--level", "0"}, "the level must be a number from 1 to 5, not '0'"},
        {{"--level", "six"}, "the level must be a number from 1 to 5, not 'six'"},
        {{"--level=6"}, "the level must be a number from 1 to 5, not '6'"},
        {{"-l", "3x"}, "the level must be a number from 1 to 5, not '3x'"},
        {{"--level="}, "the level must be a number from 1 to 5, not ''"},
        {{"--level"}, "the level needs a number from 1 to 5"},
        {{"--computer=second"}, "--computer takes only =first, not 'second'"},
        {{"--fast"}, "cannot understand '--fast'"},
        {{"--help=me"}, "cannot understand '--help=me'"},
        {{"-x"}, "unknown option '-x'"},
        {{"-cx"}, "unknown option '-x'"},
        {{"extra"}, "unexpected argument 'extra'"},
    };
    for (const auto &c : cases) {
        Parsed parsed = parse(c.args);
        EXPECT_FALSE(parsed.ok) << c.args[0];
        EXPECT_EQ(parsed.error, c.error) << c.args[0];
    }
}

}  // namespace
