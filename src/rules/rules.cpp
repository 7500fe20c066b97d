#include "rules/rules.h"

#include <cstdlib>

#include "game/pieces.h"

namespace {

const int generalRank = 0;
const int cannonRank = 5;
const int soldierRank = 6;

bool onBoard(int cell) { return cell >= 0 && cell < boardCells; }

bool adjacent(int a, int b) {
    int dr = std::abs(a / boardCols - b / boardCols);
    int dc = std::abs(a % boardCols - b % boardCols);
    return dr + dc == 1;
}

// Pieces strictly between two cells of one row or column; -1 when the
// cells share neither.
int piecesBetween(const Game *game, int a, int b) {
    int ra = a / boardCols, ca = a % boardCols;
    int rb = b / boardCols, cb = b % boardCols;
    int step;
    if (ra == rb)
        step = cb > ca ? 1 : -1;
    else if (ca == cb)
        step = rb > ra ? boardCols : -boardCols;
    else
        return -1;
    int count = 0;
    for (int cell = a + step; cell != b; cell += step)
        if (game->piece[cell] != noPiece)
            count++;
    return count;
}

Refusal checkFlip(const Game *game, int cell) {
    if (game->piece[cell] == noPiece)
        return refuseEmpty;
    if (game->faceUp[cell])
        return refuseAlreadyUp;
    return moveAllowed;
}

// What the attacker may not take whatever its road: one's own pieces,
// pieces still face down.
Refusal checkTarget(const Game *game, int to) {
    if (game->piece[to] == noPiece)
        return refuseNothingThere;
    if (!game->faceUp[to])
        return refuseFaceDown;
    if (getColor(game->piece[to]) == game->turn)
        return refuseOwnPiece;
    return moveAllowed;
}

Refusal checkCapture(const Game *game, int from, int to) {
    int attacker = game->piece[from];
    if (getRank(attacker) == cannonRank) {
        if (adjacent(from, to) && game->piece[to] != noPiece)
            return refuseCannonAdjacent;
        if (piecesBetween(game, from, to) != 1)
            return refuseCannonScreen;
        return checkTarget(game, to);
    }
    if (!adjacent(from, to))
        return refuseNotAdjacent;
    Refusal target = checkTarget(game, to);
    if (target != moveAllowed)
        return target;
    if (!outranks(attacker, game->piece[to]))
        return getRank(attacker) == generalRank ? refuseGeneralSoldier : refuseStronger;
    return moveAllowed;
}

}  // namespace

void newGame(Game *game, const int deal[boardCells]) {
    for (int cell = 0; cell < boardCells; cell++) {
        game->piece[cell] = deal[cell];
        game->faceUp[cell] = 0;
    }
    game->turn = noSide;
    game->quietMoves = 0;
    game->deadCount = 0;
}

bool outranks(int attacker, int target) {
    int a = getRank(attacker), t = getRank(target);
    if (a == generalRank && t == soldierRank)
        return false;
    if (a == soldierRank && t == generalRank)
        return true;
    return a <= t;
}

Refusal checkMove(const Game *game, const Move &move) {
    if (!onBoard(move.from) || (move.kind != moveFlip && !onBoard(move.to)))
        return refuseOffBoard;
    if (move.kind == moveFlip)
        return checkFlip(game, move.from);
    if (game->turn == noSide)
        return refuseMustFlip;
    int mover = game->piece[move.from];
    if (mover == noPiece)
        return refuseEmpty;
    if (!game->faceUp[move.from] || getColor(mover) != game->turn)
        return refuseNotYours;
    if (move.from == move.to)
        return refuseSameCell;
    if (move.kind == moveCapture)
        return checkCapture(game, move.from, move.to);
    if (!adjacent(move.from, move.to))
        return refuseNotAdjacent;
    if (game->piece[move.to] != noPiece)
        return refuseOccupied;
    return moveAllowed;
}

void applyMove(Game *game, const Move &move) {
    if (move.kind == moveFlip) {
        game->faceUp[move.from] = 1;
        // The first flip settles the sides: its piece's side is the first
        // player's, and the other side answers.
        if (game->turn == noSide)
            game->turn = getColor(game->piece[move.from]);
        game->quietMoves = 0;
    } else {
        if (move.kind == moveCapture) {
            game->dead[game->deadCount++] = game->piece[move.to];
            game->quietMoves = 0;
        } else {
            game->quietMoves++;
        }
        game->piece[move.to] = game->piece[move.from];
        game->faceUp[move.to] = 1;
        game->piece[move.from] = noPiece;
        game->faceUp[move.from] = 0;
    }
    game->turn = 1 - game->turn;
}

int legalMoves(const Game *game, Move *moves) {
    int count = 0;
    for (int from = 0; from < boardCells; from++) {
        Move flip = {moveFlip, from, from};
        if (checkMove(game, flip) == moveAllowed) {
            moves[count++] = flip;
            continue;
        }
        for (int to = 0; to < boardCells; to++) {
            MoveKind kind = game->piece[to] == noPiece ? moveStep : moveCapture;
            Move move = {kind, from, to};
            if (checkMove(game, move) == moveAllowed)
                moves[count++] = move;
        }
    }
    return count;
}

bool hasPieces(const Game *game, int side) {
    for (int cell = 0; cell < boardCells; cell++)
        if (game->piece[cell] != noPiece && getColor(game->piece[cell]) == side)
            return true;
    return false;
}

EndReason gameEnd(const Game *game) {
    if (game->turn == noSide)
        return endNone;
    if (!hasPieces(game, game->turn))
        return endNoPieces;
    // The fiftieth quiet move ends the game before the next turn begins.
    if (game->quietMoves >= quietMoveLimit)
        return endFiftyMoves;
    Move moves[maxMoves];
    if (legalMoves(game, moves) == 0)
        return endNoMoves;
    return endNone;
}
