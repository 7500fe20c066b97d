#include "protocol/session.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>

#include "protocol/notation.h"
#include "protocol/stand_in.h"

namespace {

std::vector<std::string> splitWords(const std::string &line) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < line.size()) {
        size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string::npos)
            break;
        size_t end = line.find_first_of(" \t", start);
        if (end == std::string::npos)
            end = line.size();
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

bool sameIgnoringCase(const std::string &a, const std::string &b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower((unsigned char)x) == std::tolower((unsigned char)y);
           });
}

std::string infoLine(const SearchInfo &info) {
    int time = std::max(info.timeMs, 0);
    std::uint64_t nps = info.nodes * 1000 / (std::uint64_t)std::max(time, 1);
    std::string line = "info depth " + std::to_string(info.depth) + " score " +
                       std::to_string(info.score) + " nodes " + std::to_string(info.nodes) +
                       " nps " + std::to_string(nps) + " time " + std::to_string(time);
    if (!info.pv.empty()) {
        line += " pv";
        for (const Move &move : info.pv)
            line += " " + moveText(move);
    }
    return line;
}

enum LineRead { lineRead, lineTooLong, inputEnded };

// One line without its end (a "\r\n" end included); the part of a line
// beyond maxLineLength is read and dropped.
LineRead readLine(std::istream &in, std::string *line) {
    line->clear();
    bool tooLong = false, any = false;
    std::streambuf *buffer = in.rdbuf();
    for (;;) {
        int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            if (!any)
                return inputEnded;
            break;
        }
        any = true;
        if (c == '\n')
            break;
        if ((int)line->size() < maxLineLength)
            line->push_back((char)c);
        else
            tooLong = true;
    }
    if (tooLong)
        return lineTooLong;
    if (!line->empty() && line->back() == '\r')
        line->pop_back();
    return lineRead;
}

}  // namespace

Session::Session(Engine &engine, std::ostream &out, const SessionSettings &settings)
    : out_(out), settings_(settings), engine_(engine), position_(startPosition()) {}

void Session::answer(const std::string &line) {
    out_ << line << '\n';
    out_.flush();
}

void Session::error(const std::string &what) { answer("error " + what); }

bool Session::command(const std::string &line) {
    std::vector<std::string> words = splitWords(line);
    if (words.empty())
        return out_.good();
    const std::string &name = words[0];
    bool bare = words.size() == 1;
    if (name == "quit" && bare)
        return false;
    if (name == "banqi" && bare)
        banqi();
    else if (name == "isready" && bare)
        answer("readyok");
    else if (name == "newgame" && bare) {
        engine_.newGame();
        position_ = startPosition();
    } else if (name == "setoption")
        setOption(words);
    else if (name == "position")
        setPosition(words);
    else if (name == "go")
        go(words);
    else if (name == "banqi" || name == "quit" || name == "isready" || name == "newgame")
        error(name + " takes no arguments");
    else
        error("unknown command");
    return out_.good();
}

bool Session::refuseLongLine() {
    error("line longer than " + std::to_string(maxLineLength) + " characters");
    return out_.good();
}

void Session::banqi() {
    answer("id name banqi-engine " + settings_.version);
    answer("option name Level type spin default " + std::to_string(levelDefault) + " min " +
           std::to_string(levelMin) + " max " + std::to_string(levelMax));
    answer("banqiok");
}

void Session::setOption(const std::vector<std::string> &words) {
    if (words.size() != 5 || words[1] != "name" || words[3] != "value") {
        error("setoption takes name <option> value <value>");
        return;
    }
    if (!sameIgnoringCase(words[2], "Level")) {
        error("no such option");
        return;
    }
    int level;
    if (!parseNumber(words[4], levelMin, levelMax, &level)) {
        error("Level is a number from " + std::to_string(levelMin) + " to " +
              std::to_string(levelMax));
        return;
    }
    engine_.setLevel(level);
}

void Session::setPosition(const std::vector<std::string> &words) {
    std::string why;
    if (!parsePosition(std::vector<std::string>(words.begin() + 1, words.end()), &position_,
                       &why))
        error(why);
}

void Session::go(const std::vector<std::string> &words) {
    SearchLimits limits;
    bool timeGiven = false, depthGiven = false;
    for (size_t i = 1; i < words.size(); i += 2) {
        bool hasValue = i + 1 < words.size();
        if (words[i] == "movetime" && !timeGiven && hasValue) {
            if (!parseNumber(words[i + 1], 1, maxMoveTimeMs, &limits.moveTimeMs)) {
                error("movetime is a number of milliseconds from 1 to " +
                      std::to_string(maxMoveTimeMs));
                return;
            }
            timeGiven = true;
        } else if (words[i] == "depth" && !depthGiven && hasValue) {
            if (!parseNumber(words[i + 1], 1, maxSearchDepth, &limits.depth)) {
                error("depth is a number from 1 to " + std::to_string(maxSearchDepth));
                return;
            }
            depthGiven = true;
        } else {
            error("go takes movetime <ms>, depth <n>, both or neither");
            return;
        }
    }
    Game game = standInGame(position_);
    if (gameEnd(&game) != endNone) {
        answer("bestmove none");
        return;
    }
    if (settings_.depthCap > 0)
        limits.depth = limits.depth > 0 ? std::min(limits.depth, settings_.depthCap)
                                        : settings_.depthCap;
    // A depth alone has no time bound of its own: give it the longest.
    if (limits.depth > 0 && limits.moveTimeMs == 0)
        limits.moveTimeMs = maxMoveTimeMs;
    SearchResult result =
        engine_.think(position_, limits, [this](const SearchInfo &info) { answer(infoLine(info)); });
    answer("bestmove " + moveText(result.best));
}

void runSession(std::istream &in, Session &session) {
    std::string line;
    for (;;) {
        LineRead read = readLine(in, &line);
        if (read == inputEnded)
            return;
        bool going = read == lineTooLong ? session.refuseLongLine() : session.command(line);
        if (!going)
            return;
    }
}
