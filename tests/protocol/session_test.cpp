#include "protocol/session.h"

#include <gtest/gtest.h>

#include <sstream>

#include "protocol/notation.h"
#include "protocol/stand_in.h"

namespace {

std::vector<std::string> linesOf(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// "info depth <d> score <s> nodes <n> nps <r> time <ms>", then "pv" and
// at least one move when there is a line of play.
bool wellFormedInfo(const std::string &line, const Visible &view) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    const char *fields[] = {"depth", "score", "nodes", "nps", "time"};
    if (words.size() < 11 || words[0] != "info")
        return false;
    for (int i = 0; i < 5; i++) {
        std::string value = words[2 + 2 * i];
        if (i == 1 && value[0] == '-')
            value.erase(0, 1);
        int number;
        if (words[1 + 2 * i] != fields[i] || !parseNumber(value, 0, 999999999, &number))
            return false;
    }
    if (words.size() == 11)
        return true;
    if (words[11] != "pv" || words.size() == 12)
        return false;
    Move move;
    for (size_t i = 12; i < words.size(); i++)
        if (!parseMove(words[i], view, &move))
            return false;
    return true;
}

class SessionTest : public ::testing::Test {
protected:
    // The lines the session answers to input.
    std::vector<std::string> run(const std::string &input) {
        out.str("");
        std::istringstream in(input);
        runSession(in, session);
        return linesOf(out.str());
    }

    // Checks a search's answer: well-formed info lines, then a bestmove
    // legal in the session's position.
    void expectSearch(const std::vector<std::string> &lines) {
        ASSERT_FALSE(lines.empty());
        for (size_t i = 0; i + 1 < lines.size(); i++)
            EXPECT_TRUE(wellFormedInfo(lines[i], session.position())) << lines[i];
        const std::string &last = lines.back();
        ASSERT_EQ(last.compare(0, 9, "bestmove "), 0) << last;
        Move move;
        ASSERT_TRUE(parseMove(last.substr(9), session.position(), &move)) << last;
        Game game = standInGame(session.position());
        EXPECT_EQ(checkMove(&game, move), moveAllowed) << last;
    }

    std::ostringstream out;
    Engine engine;
    Session session{engine, out, SessionSettings{"9.8.7", 0}};
};

TEST_F(SessionTest, AScriptedGameSession) {
    EXPECT_EQ(run("banqi\n"),
              (std::vector<std::string>{"id name banqi-engine 9.8.7",
                                        "option name Level type spin default 3 min 1 max 5",
                                        "banqiok"}));
    // Blank lines, tabs and Windows line ends are all fine.
    EXPECT_EQ(run("\n  \n\tisready \r\nsetoption name Level value 1\n"),
              std::vector<std::string>{"readyok"});

    // Before the first flip: a flip.
    std::vector<std::string> lines = run("go depth 1\n");
    expectSearch(lines);
    EXPECT_EQ(lines.back().size(), 11u) << lines.back();

    EXPECT_TRUE(run("position X1pXXXXX/XXXKXXXX/XXXC2XX/XXXXXXXX r 0 PPp\n").empty());
    expectSearch(run("go depth 2\n"));
    expectSearch(run("go movetime 30\n"));
    expectSearch(run("go movetime 30 depth 3\n"));
    expectSearch(run("go\n"));

    // A capture that wins at once.
    run("position Kk6/8/8/8 r 3 GGMMRRNNCCPPPPPggmmrrnnccppppp\n");
    lines = run("go depth 2\n");
    expectSearch(lines);
    EXPECT_EQ(lines.back(), "bestmove a1b1");

    EXPECT_TRUE(run("newgame\n").empty());
    EXPECT_EQ(positionText(session.position()), positionText(startPosition()));

    // Nothing after quit is read.
    EXPECT_EQ(run("isready\nquit\nisready\n"), std::vector<std::string>{"readyok"});
}

TEST_F(SessionTest, AFinishedGameHasNoBestMove) {
    const char *finished[] = {
        // red has no piece left
        "k7/8/8/8 r 0 KGGMMRRNNCCPPPPPggmmrrnnccppppp",
        // red's soldier is boxed in by advisors it cannot take
        "Pg6/g7/8/8 r 0 KGGMMRRNNCCPPPPkmmrrnnccppppp",
        // fifty quiet moves
        "Kk6/8/8/8 r 50 GGMMRRNNCCPPPPPggmmrrnnccppppp",
    };
    for (const char *position : finished) {
        EXPECT_TRUE(run(std::string("position ") + position + "\n").empty()) << position;
        EXPECT_EQ(run("go depth 1\n"), std::vector<std::string>{"bestmove none"}) << position;
    }
}

// Each bad command gets one error line and leaves the position as it was.
TEST_F(SessionTest, EveryBadCommandGetsOneErrorLineAndChangesNothing) {
    const std::string before = "X1pXXXXX/XXXKXXXX/XXXC2XX/XXXXXXXX r 0 PPp";
    const std::string refused[] = {
        "foo",
        "BANQI",
        "banqi now",
        "isready now",
        "newgame please",
        "quit now",
        "setoption",
        "setoption name Level",
        "setoption name Level value",
        "setoption name Level value 0",
        "setoption name Level value 6",
        "setoption name Level value -1",
        "setoption name Level value 3x",
        "setoption name Level value 99999999999999999999",
        "setoption name Level value 3 more",
        "setoption Name Level value 3",
        "setoption name Hash value 3",
        "position",
        "position XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX -",
        "position XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX - 0 - -",
        "position XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXZ - 0 -",
        "position XXXXXXXX/XXXKXXXX/XXXXXXX1/XXXXXXXX b 0 -",
        "position XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX b 0 PPPPPP",
        "position KXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b 0 -",
        "position XXXXXXXX/XXXKXXXX/XXXXXXXX/XXXXXXXX b 99 -",
        "go depth",
        "go depth 0",
        "go depth 101",
        "go depth -1",
        "go depth 99999999999999999999",
        "go movetime",
        "go movetime 0",
        "go movetime 600001",
        "go movetime -5",
        "go movetime 4294967297",
        "go movetime 1.5",
        "go depth 1 depth 2",
        "go movetime 10 movetime 20",
        "go infinite",
        "go wtime 100 btime 100",
        std::string("go\0depth 1", 10),
        std::string(maxLineLength + 1, 'a'),
        "position " + before + std::string(maxLineLength, ' '),
    };
    run("position " + before + "\n");
    for (const std::string &command : refused) {
        std::vector<std::string> lines = run(command + "\n");
        ASSERT_EQ(lines.size(), 1u) << command;
        EXPECT_EQ(lines[0].compare(0, 6, "error "), 0) << lines[0];
        EXPECT_GT(lines[0].size(), 6u);
        EXPECT_EQ(positionText(session.position()), before) << command;
    }
    // Still answering, and on the same position.
    EXPECT_EQ(run("isready\n"), std::vector<std::string>{"readyok"});
}

TEST_F(SessionTest, ALongLineIsDroppedWholeAndTheNextOneRead) {
    std::string input = "position " + std::string(3 * maxLineLength, 'X') + "\nisready\n";
    EXPECT_EQ(run(input).size(), 2u);
    EXPECT_EQ(run(input).back(), "readyok");
    // The last line needs no line end.
    EXPECT_EQ(run("isready"), std::vector<std::string>{"readyok"});
}

TEST(Session, StopsWhenItsOutputIsGone) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    Engine engine;
    Session session(engine, out, SessionSettings{"1", 0});
    EXPECT_FALSE(session.command("isready"));
}

}  // namespace
