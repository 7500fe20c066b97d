// The rules: captures by rank and by the cannon's jump, the sides the
// first flip settles, and the three ways a game ends.
#include <gtest/gtest.h>

#include <cstring>

#include "rules/rules.h"

namespace {

// One piece id of each rank, black; add 16 for the red piece of the kind.
const int blackOfRank[7] = {0, 1, 3, 5, 7, 9, 11};
const int red = 16;
const int blackCannon = 9;
const int redSoldier = 27;
const int blackSoldier = 11;

int cellAt(int row, int col) { return row * boardCols + col; }

// An empty board with the given side to move, filled cell by cell.
struct Position {
    Game game;

    explicit Position(int turn) {
        for (int cell = 0; cell < boardCells; cell++) {
            game.piece[cell] = noPiece;
            game.faceUp[cell] = 0;
        }
        game.turn = turn;
        game.quietMoves = 0;
        game.deadCount = 0;
    }
    Position &up(int cell, int id) {
        game.piece[cell] = id;
        game.faceUp[cell] = 1;
        return *this;
    }
    Position &down(int cell, int id) {
        game.piece[cell] = id;
        game.faceUp[cell] = 0;
        return *this;
    }
    Refusal capture(int from, int to) const { return checkMove(&game, Move{moveCapture, from, to}); }
    Refusal step(int from, int to) const { return checkMove(&game, Move{moveStep, from, to}); }
};

// What an attacker meets on the next cell, a face-up enemy, by rank:
// Y taken, S too strong, G the general facing a soldier, C the cannon,
// which never takes a neighbour.
const char *const adjacentCaptures[7] = {
    // target rank 0123456
    "YYYYYYG",  // general
    "SYYYYYY",  // advisor
    "SSYYYYY",  // elephant
    "SSSYYYY",  // chariot
    "SSSSYYY",  // horse
    "CCCCCCC",  // cannon
    "YSSSSSY",  // soldier
};

Refusal expected(char letter) {
    switch (letter) {
    case 'Y': return moveAllowed;
    case 'S': return refuseStronger;
    case 'G': return refuseGeneralSoldier;
    default: return refuseCannonAdjacent;
    }
}

TEST(Capture, NeighbourByRankEitherSideEveryDirection) {
    const int from = cellAt(1, 3);
    const int neighbours[4] = {cellAt(0, 3), cellAt(2, 3), cellAt(1, 2), cellAt(1, 4)};
    for (int side = 0; side < 2; side++)
        for (int a = 0; a < 7; a++)
            for (int t = 0; t < 7; t++)
                for (int to : neighbours) {
                    Position p(side);
                    p.up(from, blackOfRank[a] + side * red).up(to, blackOfRank[t] + (1 - side) * red);
                    EXPECT_EQ(p.capture(from, to), expected(adjacentCaptures[a][t]))
                        << "side " << side << ", rank " << a << " onto rank " << t << " at cell " << to;
                }
}

TEST(Capture, OnlyNeighboursAndOnlyFaceUpEnemies) {
    const int from = cellAt(1, 3);
    Position p(1);
    p.up(from, 16)                     // red general
        .up(cellAt(2, 4), 3)           // diagonal
        .up(cellAt(1, 5), 3)           // two cells away, nothing between
        .down(cellAt(0, 3), 3)         // face down
        .up(cellAt(1, 2), 17)          // own advisor
        .up(cellAt(2, 3), 5);          // a black chariot
    EXPECT_EQ(p.capture(from, cellAt(2, 4)), refuseNotAdjacent);
    EXPECT_EQ(p.capture(from, cellAt(1, 5)), refuseNotAdjacent);
    EXPECT_EQ(p.capture(from, cellAt(0, 3)), refuseFaceDown);
    EXPECT_EQ(p.capture(from, cellAt(1, 2)), refuseOwnPiece);
    EXPECT_EQ(p.capture(from, cellAt(2, 3)), moveAllowed);
}

TEST(Capture, CannonTakesAnyRankOverOneScreen) {
    for (int t = 0; t < 7; t++)
        for (int screen : {blackSoldier, redSoldier}) {
            Position p(0);
            p.up(cellAt(1, 0), blackCannon).up(cellAt(1, 1), screen).up(cellAt(1, 2), blackOfRank[t] + red);
            EXPECT_EQ(p.capture(cellAt(1, 0), cellAt(1, 2)), moveAllowed) << "rank " << t;
        }
}

struct CannonCase {
    const char *name;
    // Row 0 left to right: C the black cannon, . empty, s a face-up red
    // soldier, b a face-up black soldier, d a face-down piece. The target
    // is the last cell.
    const char *row;
    Refusal refusal;
};

const CannonCase cannonCases[] = {
    {"next to the target", "Cs", refuseCannonAdjacent},
    {"no screen, gap between", "C..s", refuseCannonScreen},
    {"one screen", "Cbs", moveAllowed},
    {"one screen, gaps around it", "C.b..s", moveAllowed},
    {"one face-down screen", "Cds", moveAllowed},
    {"one enemy screen", "Css", moveAllowed},
    {"two screens", "Cbbs", refuseCannonScreen},
    {"two face-down screens", "C.dd.s", refuseCannonScreen},
    {"onto a face-down piece", "Cbd", refuseFaceDown},
    {"onto its own piece", "Csb", refuseOwnPiece},
    {"onto an empty cell", "Cs.", refuseNothingThere},
    {"leftwards", "sbC", moveAllowed},
};

TEST(Capture, CannonJumpsAlongARow) {
    for (const CannonCase &c : cannonCases) {
        Position p(0);
        int from = -1, length = (int)strlen(c.row);
        for (int col = 0; col < length; col++) {
            switch (c.row[col]) {
            case 'C': p.up(col, blackCannon); from = col; break;
            case 's': p.up(col, redSoldier); break;
            case 'b': p.up(col, blackSoldier); break;
            case 'd': p.down(col, redSoldier); break;
            }
        }
        int to = c.row[length - 1] == 'C' ? 0 : length - 1;
        EXPECT_EQ(p.capture(from, to), c.refusal) << c.name;
    }
}

TEST(Capture, CannonJumpsAlongAColumnButNotAcross) {
    Position p(0);
    p.up(cellAt(0, 2), blackCannon).down(cellAt(1, 2), 20).up(cellAt(3, 2), 16).up(cellAt(2, 4), 16);
    EXPECT_EQ(p.capture(cellAt(0, 2), cellAt(3, 2)), moveAllowed);
    EXPECT_EQ(p.capture(cellAt(0, 2), cellAt(2, 4)), refuseCannonScreen);
}

TEST(Capture, TakesThePieceAndKeepsIt) {
    Position p(0);
    p.up(cellAt(0, 0), blackCannon).up(cellAt(0, 1), 20).up(cellAt(0, 2), 16);
    p.game.quietMoves = 7;
    applyMove(&p.game, Move{moveCapture, cellAt(0, 0), cellAt(0, 2)});
    EXPECT_EQ(p.game.piece[cellAt(0, 0)], noPiece);
    EXPECT_EQ(p.game.piece[cellAt(0, 2)], blackCannon);
    EXPECT_TRUE(p.game.faceUp[cellAt(0, 2)]);
    ASSERT_EQ(p.game.deadCount, 1);
    EXPECT_EQ(p.game.dead[0], 16);
    EXPECT_EQ(p.game.quietMoves, 0);
    EXPECT_EQ(p.game.turn, 1);
}

TEST(Step, OneCellOntoAnEmptyCellCannonToo) {
    for (int piece : {blackCannon, blackSoldier}) {
        Position p(0);
        p.up(cellAt(1, 1), piece).up(cellAt(1, 2), redSoldier);
        EXPECT_EQ(p.step(cellAt(1, 1), cellAt(0, 1)), moveAllowed);
        EXPECT_EQ(p.step(cellAt(1, 1), cellAt(1, 0)), moveAllowed);
        EXPECT_EQ(p.step(cellAt(1, 1), cellAt(3, 1)), refuseNotAdjacent);
        EXPECT_EQ(p.step(cellAt(1, 1), cellAt(0, 0)), refuseNotAdjacent);
        EXPECT_EQ(p.step(cellAt(1, 1), cellAt(1, 2)), refuseOccupied);
        // Column 7 and column 0 of the next row are not neighbours.
        Position q(0);
        q.up(cellAt(0, 7), piece);
        EXPECT_EQ(q.step(cellAt(0, 7), cellAt(1, 0)), refuseNotAdjacent);
    }
}

TEST(Step, OnlyOwnFaceUpPiecesMove) {
    Position p(1);
    p.up(cellAt(0, 0), blackSoldier).down(cellAt(2, 2), redSoldier);
    EXPECT_EQ(p.step(cellAt(0, 0), cellAt(0, 1)), refuseNotYours);
    EXPECT_EQ(p.step(cellAt(2, 2), cellAt(2, 3)), refuseNotYours);
    EXPECT_EQ(p.step(cellAt(3, 3), cellAt(3, 4)), refuseEmpty);
    EXPECT_EQ(p.step(cellAt(3, 3), boardCells), refuseOffBoard);
}

// A deal with piece id i on cell i.
void dealInOrder(int *deal) {
    for (int i = 0; i < boardCells; i++)
        deal[i] = i;
}

TEST(FirstFlip, GivesTheFlippedSideToTheFirstPlayer) {
    int deal[boardCells];
    dealInOrder(deal);
    for (int cell : {3, 20}) {  // a black and a red elephant
        Game game;
        newGame(&game, deal);
        EXPECT_EQ(game.turn, noSide);
        EXPECT_EQ(gameEnd(&game), endNone);
        Move moves[maxMoves];
        EXPECT_EQ(legalMoves(&game, moves), boardCells);  // flips only
        applyMove(&game, Move{moveFlip, cell, cell});
        int first = cell / 16;
        EXPECT_TRUE(game.faceUp[cell]);
        EXPECT_EQ(game.turn, 1 - first) << "the other side answers";
        // The second player may not move the first player's piece.
        Move grab{moveStep, cell, cell + boardCols};
        game.piece[cell + boardCols] = noPiece;
        EXPECT_EQ(checkMove(&game, grab), refuseNotYours);
    }
}

TEST(FirstFlip, NothingButAFlipBeforeIt) {
    int deal[boardCells];
    dealInOrder(deal);
    Game game;
    newGame(&game, deal);
    game.faceUp[5] = 1;  // even a piece lying face up cannot move yet
    game.piece[6] = noPiece;
    EXPECT_EQ(checkMove(&game, Move{moveStep, 5, 6}), refuseMustFlip);
    EXPECT_EQ(checkMove(&game, Move{moveFlip, 5, 5}), refuseAlreadyUp);
    EXPECT_EQ(checkMove(&game, Move{moveFlip, 6, 6}), refuseEmpty);
}

TEST(End, LastPieceTakenLosesEvenWithFlipsLeft) {
    Position p(1);
    p.up(cellAt(0, 0), 16).up(cellAt(0, 1), 1).down(cellAt(3, 7), 17);
    applyMove(&p.game, Move{moveCapture, cellAt(0, 0), cellAt(0, 1)});
    EXPECT_EQ(p.game.turn, 0);
    EXPECT_EQ(gameEnd(&p.game), endNoPieces);
    Move moves[maxMoves];
    EXPECT_EQ(legalMoves(&p.game, moves), 1) << "black could still flip";
}

TEST(End, NoLegalMoveLoses) {
    // The red general in the corner, walled in by black soldiers it cannot
    // take, while black has moves elsewhere.
    Position p(1);
    p.up(cellAt(0, 0), 16).up(cellAt(0, 1), 11).up(cellAt(1, 0), 12).up(cellAt(3, 7), 13);
    EXPECT_EQ(gameEnd(&p.game), endNoMoves);
    // A black advisor in the wall is one it can take.
    p.up(cellAt(0, 1), 1);
    EXPECT_EQ(gameEnd(&p.game), endNone);
    // A face-down piece anywhere is a flip.
    p.up(cellAt(0, 1), 11).down(cellAt(2, 5), 30);
    EXPECT_EQ(gameEnd(&p.game), endNone);
}

TEST(End, FiftyQuietMovesDraw) {
    Position p(0);
    p.up(cellAt(0, 0), blackSoldier).up(cellAt(3, 7), redSoldier).down(cellAt(2, 0), 5);
    // Both soldiers shuffle to and fro; a flip halfway starts the count anew.
    auto shuffleMoves = [&](int count) {
        for (int i = 0; i < count; i++) {
            int from = p.game.turn == 0 ? (p.game.piece[0] == noPiece ? 1 : 0)
                                        : (p.game.piece[31] == noPiece ? 30 : 31);
            int to = p.game.turn == 0 ? 1 - from : 61 - from;
            ASSERT_EQ(p.step(from, to), moveAllowed);
            applyMove(&p.game, Move{moveStep, from, to});
        }
    };
    shuffleMoves(30);
    EXPECT_EQ(p.game.quietMoves, 30);
    applyMove(&p.game, Move{moveFlip, cellAt(2, 0), cellAt(2, 0)});
    EXPECT_EQ(p.game.quietMoves, 0);
    shuffleMoves(quietMoveLimit - 1);
    EXPECT_EQ(gameEnd(&p.game), endNone);
    shuffleMoves(1);
    EXPECT_EQ(gameEnd(&p.game), endFiftyMoves);
}

TEST(Moves, EveryKindFromOnePosition) {
    // A black cannon at b2 with an empty cell above, a screen and a red
    // horse to its right, a red soldier below, and one face-down piece.
    Position p(0);
    p.up(cellAt(1, 1), blackCannon)
        .up(cellAt(1, 2), blackSoldier)
        .up(cellAt(1, 3), 23)
        .up(cellAt(2, 1), redSoldier)
        .down(cellAt(3, 7), 2);
    Move moves[maxMoves];
    int count = legalMoves(&p.game, moves);
    // Cannon: steps up and left, the jump to d2; soldier: steps up and
    // down; the flip. The cannon cannot take the soldier below it.
    EXPECT_EQ(count, 6);
    int jumps = 0, flips = 0;
    for (int i = 0; i < count; i++) {
        jumps += moves[i].kind == moveCapture && moves[i].to == cellAt(1, 3);
        flips += moves[i].kind == moveFlip && moves[i].from == cellAt(3, 7);
    }
    EXPECT_EQ(jumps, 1);
    EXPECT_EQ(flips, 1);
}

}  // namespace
