// Test tool: for a seed, finds a whole game of banqi-play that ends in a
// win, and prints the keys that play it, one move a line:
//   keys<TAB>what the turn line then names (RED, BLACK) or END<TAB>captured count
// after a first line "# <winner> wins, <reason>, <moves> moves".
// The deal is the one banqi-play makes from BANQI_SEED=<seed>.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "cursor_keys.h"
#include "game/deal.h"
#include "game/pieces.h"
#include "rules/rules.h"

namespace {

const char *sideWord(int side) { return side ? "RED" : "BLACK"; }

// One game played out by a simple policy: the winner-to-be takes whenever
// it can, the other side avoids taking. Random choices come from trial, so
// each trial is another game from the same deal.
std::vector<Move> playOut(const int deal[boardCells], unsigned trial, int maxPlies) {
    std::mt19937 random(trial);
    Game game;
    newGame(&game, deal);
    int taker = -1;  // the side that takes; fixed by the first flip
    std::vector<Move> played;
    while ((int)played.size() < maxPlies && gameEnd(&game) == endNone) {
        Move moves[maxMoves];
        int count = legalMoves(&game, moves);
        std::vector<Move> captures, others;
        for (int i = 0; i < count; i++)
            (moves[i].kind == moveCapture ? captures : others).push_back(moves[i]);
        const std::vector<Move> *pool;
        if (game.turn == taker)
            pool = captures.empty() ? &others : &captures;
        else
            pool = others.empty() ? &captures : &others;
        Move move = (*pool)[random() % pool->size()];
        applyMove(&game, move);
        if (taker == -1)
            taker = (int)(trial % 2) ? game.turn : 1 - game.turn;
        played.push_back(move);
    }
    EndReason end = gameEnd(&game);
    if (end != endNoPieces && end != endNoMoves)
        played.clear();
    return played;
}

// Whether a game shows every kind of move: a flip, a step onto an empty
// cell, a capture next door and a cannon's jump.
bool showsEveryKind(const int deal[boardCells], const std::vector<Move> &moves) {
    Game game;
    newGame(&game, deal);
    bool step = false, capture = false, jump = false;
    for (const Move &move : moves) {
        int distance = std::abs(move.from - move.to);
        step |= move.kind == moveStep;
        capture |= move.kind == moveCapture && (distance == 1 || distance == boardCols);
        jump |= move.kind == moveCapture && getRank(game.piece[move.from]) == 5 &&
                distance != 1 && distance != boardCols;
        applyMove(&game, move);
    }
    return step && capture && jump;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SEED\n", argv[0]);
        return 2;
    }
    int deal[boardCells];
    srand((unsigned)std::strtoul(argv[1], nullptr, 10));
    shuffle(deal, boardCells);

    // The shortest win of many trials that shows every kind of move keeps
    // the test quick and still thorough.
    std::vector<Move> best;
    for (unsigned trial = 1; trial <= 2000; trial++) {
        std::vector<Move> game = playOut(deal, trial, best.empty() ? 600 : (int)best.size() - 1);
        if (!game.empty() && showsEveryKind(deal, game))
            best = game;
    }
    if (best.empty()) {
        std::fprintf(stderr, "no win found for this deal\n");
        return 1;
    }

    Game game;
    newGame(&game, deal);
    std::vector<std::string> lines;
    int cursor = 0;
    for (const Move &move : best) {
        std::string keys = keysTo(cursor, move.from);
        if (move.kind != moveFlip)
            keys += " " + keysTo(cursor, move.to);
        applyMove(&game, move);
        bool last = &move == &best.back();
        lines.push_back(keys + "\t" + (last ? "END" : sideWord(game.turn)) + "\t" +
                        std::to_string(game.deadCount));
    }
    EndReason end = gameEnd(&game);
    std::printf("# %s wins, %s, %zu moves\n", sideWord(1 - game.turn),
                end == endNoPieces ? "nopieces" : "nomoves", best.size());
    for (const std::string &line : lines)
        std::printf("%s\n", line.c_str());
    return 0;
}
