// The computer's answer to a draw offer follows its judgement of the
// position: it takes the draw when behind, and refuses it when ahead.
#include "play/computer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "game/pieces.h"

namespace {

// Every piece face up on its cell, every other id captured; side to move
// (the one offering) as given.
Game position(std::initializer_list<std::pair<int, int>> cellsAndIds, int toMove) {
    Game game;
    bool onBoard[32] = {};
    for (int cell = 0; cell < boardCells; cell++) {
        game.piece[cell] = noPiece;
        game.faceUp[cell] = 0;
    }
    for (const auto &placed : cellsAndIds) {
        game.piece[placed.first] = placed.second;
        game.faceUp[placed.first] = 1;
        onBoard[placed.second] = true;
    }
    game.deadCount = 0;
    for (int id = 0; id < 32; id++)
        if (!onBoard[id])
            game.dead[game.deadCount++] = id;
    game.turn = toMove;
    game.quietMoves = 0;
    return game;
}

// Black ids: 0 general, 5 and 6 chariots, 11 a soldier; red ones add 16.
const int red = 1;

TEST(ComputerDraw, AcceptsWhenBehindAndDeclinesWhenAhead) {
    Engine engine;
    engine.setLevel(levelMin);
    // Red offers with its general and both chariots against black's lone
    // soldier: black, the computer, is lost and takes the draw.
    Game behind = position({{0, 16}, {9, 21}, {14, 22}, {31, 11}}, red);
    EXPECT_TRUE(computerAcceptsDraw(engine, behind));
    // Now black, the computer, has the chariots and its general against
    // red's lone general, and declines.
    Game ahead = position({{0, 16}, {9, 5}, {14, 6}, {31, 0}}, red);
    EXPECT_FALSE(computerAcceptsDraw(engine, ahead));
}

}  // namespace
