#include "engine/evaluate.h"

#include "engine/movegen.h"

namespace {

// What taking a piece of each rank is worth to the taker, before the
// pieces left weigh in.
const int preyWeight[rankCount] = {60, 36, 24, 14, 10, 24, 6};
const int baseValue = 20;
const int mobilityWeight = 2;

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
        for (int rank = 0; rank < rankCount; rank++) {
            int prey = 0, predators = 0;
            for (int other = 0; other < rankCount; other++) {
                int count = alive[kindOf(enemy, other)];
                if (mayTake(rank, other))
                    prey += count * preyWeight[other];
                if (mayTake(other, rank))
                    predators += count;
            }
            // The cannon needs a screen to take anything.
            if (rank == cannonRank)
                prey /= 2;
            values[kindOf(side, rank)] = (baseValue + prey) * (24 - predators) / 24;
        }
    }
}

int evaluate(const Position &pos) {
    if (pos.turn == noSide)
        return 0;
    int values[kindCount];
    pieceValues(pos, values);
    int score[2] = {0, 0};
    for (int kind = 0; kind < kindCount; kind++)
        score[kindSide(kind)] += values[kind] * (popCount(pos.byKind[kind]) + pos.pool[kind]);
    Bitboard empty = ~pos.occupied;
    for (int side = 0; side < 2; side++) {
        Bitboard pieces = pos.bySide[side];
        int steps = 0;
        while (pieces)
            steps += popCount(neighbours(popLowest(pieces)) & empty);
        score[side] += mobilityWeight * steps;
    }
    return score[pos.turn] - score[1 - pos.turn];
}
