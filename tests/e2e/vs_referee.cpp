// Test tool: the person's side of a game of banqi-play against the
// computer, and the referee of what the screen shows. Each call reads the
// moves so far (a file it keeps), replays them on the deal of the seed,
// and reads a capture of the screen:
//   - when the computer is to move, the screen must show one of its legal
//     moves made: the status line saying it in words (or the end of the
//     game it brought), the board holding every cell as the move leaves
//     it, the captured pieces and the turn line naming both sides' roles;
//   - then it picks the person's next move and prints its keys.
// It prints one line, "<tmux keys><TAB><status to wait for, or empty>",
// or "END" once the screen shows the end of the game; it exits 3 (with
// what it is waiting for on standard error) while the screen does not yet
// show the computer's move, and 1 on a wrong screen it can name.
//
//   vs-referee SEED first|second HISTORY SCREEN [--status-only]
//
// first or second: when the computer moves. --status-only skips the
// checks of the board's cells (for a console that places them its own way).
// The person flips what it can and never takes while it can do anything
// else, so that the computer is soon far ahead; then it offers a draw
// once, which the computer must decline.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cursor_keys.h"
#include "game/deal.h"
#include "game/pieces.h"
#include "rules/rules.h"

namespace {

const int waiting = 3;

// UTF-8 names as the screen shows them.
const char *const glyphs[2][7] = {
    {"將", "士", "象", "車", "馬", "包", "卒"},
    {"帥", "仕", "相", "硨", "傌", "炮", "兵"},
};
const char *const columns[boardCols] = {"ａ", "ｂ", "ｃ", "ｄ", "ｅ", "ｆ", "ｇ", "ｈ"};
const char *const rowNames[boardRows] = {"１", "２", "３", "４"};

std::string glyph(int id) { return glyphs[getColor(id)][getRank(id)]; }
std::string cellName(int cell) {
    return std::string(columns[cell % boardCols]) + rowNames[cell / boardCols];
}
std::string sideName(int side) { return side ? "紅方" : "黑方"; }
std::string sideWord(int side) { return side ? "RED" : "BLACK"; }

struct Played {
    char who;  // 'P' the person, 'C' the computer
    Move move;
    bool drawOffer;
};

struct State {
    Game game;
    int computerSide = noSide;
    bool computerFirst = false;
    int cursor = 0;
    bool offered = false;
};

bool computerToMove(const State &s) {
    if (s.game.turn == noSide)
        return s.computerFirst;
    return s.game.turn == s.computerSide;
}

void apply(State &s, const Move &move) {
    bool first = s.game.turn == noSide;
    applyMove(&s.game, move);
    if (first) {
        int firstSide = 1 - s.game.turn;
        s.computerSide = s.computerFirst ? firstSide : 1 - firstSide;
    }
}

std::string describe(const Game &game, const Move &m) {
    std::string mover = glyph(game.piece[m.from]);
    if (m.kind == moveFlip)
        return "電腦翻開" + cellName(m.from) + "的" + mover;
    if (m.kind == moveStep)
        return "電腦的" + mover + "從" + cellName(m.from) + "走到" + cellName(m.to);
    return "電腦的" + mover + "從" + cellName(m.from) + "吃掉" + cellName(m.to) + "的" +
           glyph(game.piece[m.to]);
}

std::string who(const State &s, int side) {
    return sideName(side) + (side == s.computerSide ? "（電腦）" : "（你）");
}

// What the status line says once the game is over, or "".
std::string endText(const State &s) {
    int loser = s.game.turn;
    switch (gameEnd(&s.game)) {
    case endNoPieces:
        return who(s, loser) + "沒有棋子了，" + who(s, 1 - loser) + "勝。按任一鍵結束";
    case endNoMoves:
        return who(s, loser) + "無棋可走，" + who(s, 1 - loser) + "勝。按任一鍵結束";
    case endFiftyMoves:
        return "連續五十步沒有翻棋或吃子，和局。按任一鍵結束";
    case endNone:
        break;
    }
    return "";
}

std::string trimRight(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// Splits UTF-8 text at every "│".
std::vector<std::string> splitBars(const std::string &line) {
    std::vector<std::string> parts;
    std::string bar = "│";
    size_t start = 0, at;
    while ((at = line.find(bar, start)) != std::string::npos) {
        parts.push_back(line.substr(start, at - start));
        start = at + bar.size();
    }
    parts.push_back(line.substr(start));
    return parts;
}

// The board's cells as the screen shows them: a glyph, "●", or "" for an
// empty cell. False when a row does not have its eight cells.
bool screenCells(const std::vector<std::string> &screen, std::string cells[boardCells]) {
    for (int r = 0; r < boardRows; r++) {
        size_t y = 6 + 2 * r;
        if (y >= screen.size())
            return false;
        std::vector<std::string> parts = splitBars(screen[y]);
        if (parts.size() != boardCols + 2)
            return false;
        for (int c = 0; c < boardCols; c++) {
            std::string cell = parts[c + 1];
            cell.erase(std::remove(cell.begin(), cell.end(), ' '), cell.end());
            if (cell == "　")
                cell.clear();
            cells[r * boardCols + c] = cell;
        }
    }
    return true;
}

// Where the screen's board or captured-piece line differs from the game,
// or "" where it shows the game as it stands.
std::string boardDifference(const std::vector<std::string> &screen, const Game &game) {
    std::string cells[boardCells];
    if (!screenCells(screen, cells))
        return "the board's rows are not whole";
    for (int cell = 0; cell < boardCells; cell++) {
        int id = game.piece[cell];
        std::string want = id == noPiece ? "" : game.faceUp[cell] ? glyph(id) : "●";
        if (cells[cell] != want)
            return cellName(cell) + " shows '" + cells[cell] + "', not '" + want + "'";
    }
    std::vector<int> dead(game.dead, game.dead + game.deadCount);
    std::sort(dead.begin(), dead.end());
    std::string want = "Dead:";
    if (!dead.empty())
        want += " ";
    for (int id : dead)
        want += glyph(id);
    std::string line = screen.size() > 15 ? trimRight(screen[15]) : "";
    size_t at = line.find("Dead:");
    if (at == std::string::npos || line.substr(at) != want)
        return "captured-piece line '" + line + "', not '" + want + "'";
    return "";
}

std::string turnDifference(const std::vector<std::string> &screen, const State &s) {
    std::string line = screen.size() > 3 ? screen[3] : "";
    int person = 1 - s.computerSide;
    std::string next = "next: " + sideWord(s.game.turn);
    std::string roles = "你是" + sideName(person) + "，電腦是" + sideName(s.computerSide);
    if (line.find(next) == std::string::npos || line.find(roles) == std::string::npos)
        return "turn line '" + trimRight(line) + "', not '" + next + "' and '" + roles + "'";
    return "";
}

int onBoard(const Game &game, int side) {
    int count = 0;
    for (int cell = 0; cell < boardCells; cell++)
        count += game.piece[cell] != noPiece && getColor(game.piece[cell]) == side;
    return count;
}

// The person's move: a flip while any piece is face down, else a step,
// a capture only when nothing else is left.
Move personMove(const Game &game, unsigned ply) {
    Move moves[maxMoves];
    int count = legalMoves(&game, moves);
    std::vector<Move> by[3];
    for (int i = 0; i < count; i++)
        by[moves[i].kind].push_back(moves[i]);
    std::mt19937 random(ply);
    for (int kind : {moveFlip, moveStep, moveCapture})
        if (!by[kind].empty())
            return by[kind][random() % by[kind].size()];
    std::fprintf(stderr, "no move for the person\n");
    std::exit(1);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s SEED first|second HISTORY SCREEN [--status-only]\n", argv[0]);
        return 2;
    }
    bool statusOnly = argc > 5 && std::string(argv[5]) == "--status-only";
    int deal[boardCells];
    srand((unsigned)std::strtoul(argv[1], nullptr, 10));
    shuffle(deal, boardCells);
    State s;
    newGame(&s.game, deal);
    s.computerFirst = std::string(argv[2]) == "first";

    std::vector<Played> history;
    {
        std::ifstream in(argv[3]);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            Played p{};
            std::string kind;
            words >> p.who >> kind >> p.move.from >> p.move.to;
            p.drawOffer = kind == "draw";
            p.move.kind = kind == "flip" ? moveFlip : kind == "step" ? moveStep : moveCapture;
            history.push_back(p);
        }
    }
    for (const Played &p : history) {
        if (p.drawOffer) {
            s.offered = true;
            continue;
        }
        if (p.who == 'P')
            s.cursor = p.move.kind == moveFlip ? p.move.from : p.move.to;
        apply(s, p.move);
    }

    std::vector<std::string> screen;
    {
        std::ifstream in(argv[4]);
        std::string line;
        while (std::getline(in, line))
            screen.push_back(line);
    }
    std::string status = screen.size() > 22 ? trimRight(screen[22]) : "";

    std::FILE *log = std::fopen(argv[3], "a");
    if (!log)
        return 1;

    if (gameEnd(&s.game) != endNone) {  // the person's move ended it
        if (status != endText(s)) {
            std::fprintf(stderr, "waiting for '%s', the status line says '%s'\n",
                         endText(s).c_str(), status.c_str());
            return waiting;
        }
        std::printf("END\n");
        return 0;
    }

    if (computerToMove(s)) {
        Move moves[maxMoves];
        int count = legalMoves(&s.game, moves);
        std::string nearest;
        bool found = false;
        State after;
        Move made{};
        for (int i = 0; i < count && !found; i++) {
            State trial = s;
            apply(trial, moves[i]);
            std::string said = gameEnd(&trial.game) != endNone ? endText(trial)
                                                               : describe(s.game, moves[i]);
            if (said != status)
                continue;
            std::string difference = statusOnly ? "" : boardDifference(screen, trial.game);
            if (difference.empty() && !statusOnly && gameEnd(&trial.game) == endNone)
                difference = turnDifference(screen, trial);
            if (!difference.empty()) {
                nearest = "the status line says '" + status + "', but " + difference;
                continue;
            }
            found = true;
            after = trial;
            made = moves[i];
        }
        if (!found) {
            std::fprintf(stderr, "waiting for the computer's move: %s\n",
                         nearest.empty() ? ("the status line says '" + status + "'").c_str()
                                         : nearest.c_str());
            return waiting;
        }
        const char *kinds[] = {"flip", "step", "take"};
        std::fprintf(log, "C %s %d %d\n", kinds[made.kind], made.from, made.to);
        s = after;
        if (gameEnd(&s.game) != endNone) {
            std::printf("END\n");
            return 0;
        }
    } else if (!statusOnly && s.game.turn != noSide) {
        // The person's turn, after a draw offer: the screen as it stood.
        std::string difference = boardDifference(screen, s.game);
        if (difference.empty())
            difference = turnDifference(screen, s);
        if (!difference.empty()) {
            std::fprintf(stderr, "%s\n", difference.c_str());
            return 1;
        }
    }

    // Far behind, the person offers a draw once; the computer must decline.
    int person = 1 - s.computerSide;
    if (!s.offered && s.game.turn != noSide &&
        onBoard(s.game, s.computerSide) - onBoard(s.game, person) >= 5) {
        std::fprintf(log, "P draw -1 -1\n");
        std::printf("T\t電腦不同意和局，繼續對局\n");
        return 0;
    }
    Move move = personMove(s.game, (unsigned)history.size());
    const char *kinds[] = {"flip", "step", "take"};
    std::fprintf(log, "P %s %d %d\n", kinds[move.kind], move.from, move.to);
    std::string keys = keysTo(s.cursor, move.from);
    if (move.kind != moveFlip)
        keys += " " + keysTo(s.cursor, move.to);
    std::printf("%s\t\n", keys.c_str());
    return 0;
}
