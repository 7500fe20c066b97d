#include "engine/movegen.h"

void stepTargets(const Position &pos, int side, Bitboard targets[rankCount]) {
    int enemy = 1 - side;
    Bitboard atLeast = 0;  // enemy pieces of this rank or a weaker one
    for (int rank = rankCount - 1; rank >= 0; rank--) {
        atLeast |= pos.byKind[kindOf(enemy, rank)];
        targets[rank] = atLeast;
    }
    Bitboard soldiers = pos.byKind[kindOf(enemy, soldierRank)];
    Bitboard general = pos.byKind[kindOf(enemy, generalRank)];
    targets[generalRank] &= ~soldiers;
    targets[cannonRank] = 0;
    targets[soldierRank] = soldiers | general;
}

namespace {

Move *addCaptures(const Position &pos, Move *out) {
    int side = pos.turn;
    Bitboard targets[rankCount];
    stepTargets(pos, side, targets);
    for (int rank = 0; rank < rankCount; rank++) {
        Bitboard pieces = pos.byKind[kindOf(side, rank)];
        while (pieces) {
            int from = popLowest(pieces);
            Bitboard to = rank == cannonRank ? cannonTargets(pos, side, from)
                                             : neighbours(from) & targets[rank];
            while (to)
                *out++ = Move{moveCapture, from, popLowest(to)};
        }
    }
    return out;
}

Move *addSteps(const Position &pos, Move *out) {
    Bitboard empty = ~pos.occupied;
    Bitboard pieces = pos.bySide[pos.turn];
    while (pieces) {
        int from = popLowest(pieces);
        Bitboard to = neighbours(from) & empty;
        while (to)
            *out++ = Move{moveStep, from, popLowest(to)};
    }
    return out;
}

Move *addFlips(const Position &pos, Move *out) {
    Bitboard cells = pos.hidden;
    while (cells) {
        int cell = popLowest(cells);
        *out++ = Move{moveFlip, cell, cell};
    }
    return out;
}

}  // namespace

int generateMoves(const Position &pos, Move *moves) {
    Move *out = moves;
    if (pos.turn != noSide) {
        out = addCaptures(pos, out);
        out = addSteps(pos, out);
    }
    out = addFlips(pos, out);
    return int(out - moves);
}

int generateCaptures(const Position &pos, Move *moves) {
    if (pos.turn == noSide)
        return 0;
    return int(addCaptures(pos, moves) - moves);
}

bool hasMoves(const Position &pos) {
    if (pos.hidden)
        return true;
    if (pos.turn == noSide)
        return false;
    Bitboard empty = ~pos.occupied;
    Bitboard pieces = pos.bySide[pos.turn];
    while (pieces)
        if (neighbours(popLowest(pieces)) & empty)
            return true;
    Move captures[maxMoves];
    return generateCaptures(pos, captures) > 0;
}
