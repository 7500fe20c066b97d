#include "engine/position.h"

void Position::set(const Visible &view) {
    for (Bitboard &b : byKind) b = 0;
    bySide[0] = bySide[1] = 0;
    hidden = occupied = 0;
    key = 0;
    for (int cell = 0; cell < boardCells; cell++) {
        int shown = view.cell[cell];
        board[cell] = std::int8_t(shown);
        if (shown == cellEmpty)
            continue;
        occupied |= bitOf(cell);
        if (shown == cellHidden) {
            hidden |= bitOf(cell);
            key ^= zobrist::hidden(cell);
        } else {
            byKind[shown] |= bitOf(cell);
            bySide[kindSide(shown)] |= bitOf(cell);
            key ^= zobrist::piece(shown, cell);
        }
    }
    int counts[kindCount];
    unseenPool(view, counts);
    poolSide[0] = poolSide[1] = 0;
    poolTotal = 0;
    for (int kind = 0; kind < kindCount; kind++) {
        pool[kind] = std::int8_t(counts[kind]);
        poolSide[kindSide(kind)] += pool[kind];
        poolTotal += pool[kind];
        key ^= zobrist::pool(kind, counts[kind]);
    }
    turn = view.turn;
    quietMoves = view.quietMoves;
    key ^= zobrist::turn(turn) ^ zobrist::quiet(quietMoves);
}

void Position::play(const Move &move) {
    int kind = board[move.from];
    Bitboard fromTo = bitOf(move.from) | bitOf(move.to);
    key ^= zobrist::turn(turn) ^ zobrist::quiet(quietMoves);
    int victim = board[move.to];
    if (victim >= 0) {
        byKind[victim] &= ~bitOf(move.to);
        bySide[kindSide(victim)] &= ~bitOf(move.to);
        occupied &= ~bitOf(move.to);
        key ^= zobrist::piece(victim, move.to);
        quietMoves = 0;
    } else {
        quietMoves++;
    }
    byKind[kind] ^= fromTo;
    bySide[turn] ^= fromTo;
    occupied ^= fromTo;
    board[move.to] = std::int8_t(kind);
    board[move.from] = std::int8_t(cellEmpty);
    key ^= zobrist::piece(kind, move.from) ^ zobrist::piece(kind, move.to);
    turn = 1 - turn;
    key ^= zobrist::turn(turn) ^ zobrist::quiet(quietMoves);
}

void Position::reveal(int cell, int kind) {
    key ^= zobrist::turn(turn) ^ zobrist::quiet(quietMoves);
    key ^= zobrist::hidden(cell) ^ zobrist::piece(kind, cell);
    key ^= zobrist::pool(kind, pool[kind]) ^ zobrist::pool(kind, pool[kind] - 1);
    hidden &= ~bitOf(cell);
    byKind[kind] |= bitOf(cell);
    bySide[kindSide(kind)] |= bitOf(cell);
    board[cell] = std::int8_t(kind);
    pool[kind]--;
    poolSide[kindSide(kind)]--;
    poolTotal--;
    quietMoves = 0;
    // The first flip makes its piece's side the flipper's.
    turn = turn == noSide ? 1 - kindSide(kind) : 1 - turn;
    key ^= zobrist::turn(turn) ^ zobrist::quiet(quietMoves);
}

Visible Position::visible() const {
    Visible view;
    for (int cell = 0; cell < boardCells; cell++)
        view.cell[cell] = board[cell];
    view.turn = turn;
    view.quietMoves = quietMoves;
    // The captured pieces are those neither on the board nor unseen.
    for (int kind = 0; kind < kindCount; kind++)
        view.captured[kind] = setCount(kindRank(kind)) - pool[kind] - popCount(byKind[kind]);
    return view;
}
