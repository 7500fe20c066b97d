#include "engine/evaluate.h"

#include "engine/movegen.h"

namespace {

// What taking a piece of each rank is worth to the pieces that may take
// it, shared among them; a piece's own worth, scaled down by the enemies
// that may take it; and a flat worth for being on the board at all. With
// these weights taking a piece never costs the taker material (see the
// evaluation's test).
const int preyWeight[rankCount] = {40, 40, 25, 15, 12, 20, 8};
const int baseValue = 40;
const int pieceCredit = 20;
const int mobilityWeight = 2;
// The penalty per cell between a piece and the nearest enemy it may take.
// It grows with the quiet moves, so that a side ahead closes in rather
// than drift to the quiet-move draw, and a capture (which resets the
// count) relieves it.
const int huntWeight = 2;
const int huntQuietStep = 8;

int distance(int a, int b) {
    int dr = a / boardCols - b / boardCols, dc = a % boardCols - b % boardCols;
    return (dr < 0 ? -dr : dr) + (dc < 0 ? -dc : dc);
}

int nearest(int cell, Bitboard targets) {
    int best = boardRows + boardCols;
    while (targets) {
        int d = distance(cell, popLowest(targets));
        if (d < best)
            best = d;
    }
    return best;
}

// The summed distances from side's pieces to the nearest enemy each may
// take, over the pieces that have one.
int huntDistance(const Position &pos, int side) {
    Bitboard targets[rankCount];
    stepTargets(pos, side, targets);
    targets[cannonRank] = pos.bySide[1 - side];
    int total = 0;
    for (int rank = 0; rank < rankCount; rank++) {
        if (!targets[rank])
            continue;
        Bitboard pieces = pos.byKind[kindOf(side, rank)];
        while (pieces)
            total += nearest(popLowest(pieces), targets[rank]);
    }
    return total;
}

// What the side to move stands to lose to threats it cannot all meet at
// once: the second most valuable of its pieces an enemy could take.
int forkLoss(const Position &pos, const int values[kindCount]) {
    int side = pos.turn, enemy = 1 - side;
    Bitboard reach[rankCount] = {};
    Bitboard cannonShots = 0;
    for (int rank = 0; rank < rankCount; rank++) {
        Bitboard pieces = pos.byKind[kindOf(enemy, rank)];
        while (pieces) {
            int cell = popLowest(pieces);
            if (rank == cannonRank)
                cannonShots |= cannonJumps(cell, pos.occupied);
            else
                reach[rank] |= neighbours(cell);
        }
    }
    int first = 0, second = 0;
    for (int rank = 0; rank < rankCount; rank++) {
        Bitboard threatened = cannonShots;
        for (int attacker = 0; attacker < rankCount; attacker++)
            if (attacker != cannonRank && mayTake(attacker, rank))
                threatened |= reach[attacker];
        int value = values[kindOf(side, rank)];
        for (int n = popCount(pos.byKind[kindOf(side, rank)] & threatened); n > 0; n--) {
            if (value > first) {
                second = first;
                first = value;
            } else if (value > second) {
                second = value;
            }
        }
    }
    return second;
}

}  // namespace

bool mayTake(int attacker, int target) {
    if (attacker == cannonRank)
        return true;
    if (attacker == generalRank && target == soldierRank)
        return false;
    if (attacker == soldierRank && target == generalRank)
        return true;
    return attacker <= target;
}

void pieceValues(const Position &pos, int values[kindCount]) {
    int alive[kindCount];
    for (int kind = 0; kind < kindCount; kind++)
        alive[kind] = popCount(pos.byKind[kind]) + pos.pool[kind];
    for (int side = 0; side < 2; side++) {
        int enemy = 1 - side;
        // How many of side's pieces may take an enemy of each rank: they
        // share what taking it is worth, so that the taking never costs
        // the taker more than the piece taken was worth.
        int hunters[rankCount] = {};
        for (int target = 0; target < rankCount; target++)
            for (int rank = 0; rank < rankCount; rank++)
                if (mayTake(rank, target))
                    hunters[target] += alive[kindOf(side, rank)];
        for (int rank = 0; rank < rankCount; rank++) {
            int prey = 0, predators = 0;
            for (int other = 0; other < rankCount; other++) {
                int count = alive[kindOf(enemy, other)];
                // (No hunters: side has no piece of this rank to value.)
                if (count && mayTake(rank, other) && hunters[other])
                    prey += count * preyWeight[other] / hunters[other];
                if (mayTake(other, rank))
                    predators += count;
            }
            // The cannon needs a screen to take anything.
            if (rank == cannonRank)
                prey /= 2;
            values[kindOf(side, rank)] = (baseValue + prey) * (24 - predators) / 24 + pieceCredit;
        }
    }
}

namespace {

int balanceOf(const Position &pos, const int values[kindCount], int side) {
    int balance = 0;
    for (int kind = 0; kind < kindCount; kind++) {
        int count = popCount(pos.byKind[kind]) + pos.pool[kind];
        balance += (kindSide(kind) == side ? 1 : -1) * values[kind] * count;
    }
    return balance;
}

}  // namespace

int materialBalance(const Position &pos, int side) {
    int values[kindCount];
    pieceValues(pos, values);
    return balanceOf(pos, values, side);
}

int evaluate(const Position &pos) {
    if (pos.turn == noSide)
        return 0;
    int values[kindCount];
    pieceValues(pos, values);
    int score[2] = {0, 0};
    Bitboard empty = ~pos.occupied;
    for (int side = 0; side < 2; side++) {
        Bitboard pieces = pos.bySide[side];
        int steps = 0;
        while (pieces)
            steps += popCount(neighbours(popLowest(pieces)) & empty);
        score[side] += mobilityWeight * steps;
        score[side] -= huntWeight * (1 + pos.quietMoves / huntQuietStep) * huntDistance(pos, side);
    }
    int value = balanceOf(pos, values, pos.turn) + score[pos.turn] - score[1 - pos.turn];
    value -= forkLoss(pos, values) / 2;
    return value > evalLimit ? evalLimit : value < -evalLimit ? -evalLimit : value;
}
