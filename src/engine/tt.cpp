#include "engine/tt.h"

TranspositionTable::TranspositionTable(int sizeLog2)
    : entries_(std::size_t(1) << sizeLog2), mask_((std::size_t(1) << sizeLog2) - 1) {
    clear();
}

void TranspositionTable::clear() {
    for (TTEntry &entry : entries_)
        entry = TTEntry{0, 0, noPackedMove, 0, boundNone, 0};
    generation_ = 0;
}

const TTEntry *TranspositionTable::probe(zobrist::Key key) const {
    const TTEntry &entry = entries_[key & mask_];
    return entry.bound != boundNone && entry.key == key ? &entry : nullptr;
}

void TranspositionTable::store(zobrist::Key key, int score, int depth, Bound bound,
                               std::uint16_t move) {
    TTEntry &entry = entries_[key & mask_];
    if (entry.bound != boundNone && entry.key == key && move == noPackedMove)
        move = entry.move;  // keep the best move a shallower visit lacks
    if (entry.bound == boundNone || entry.generation != generation_ || entry.key == key ||
        depth >= entry.depth) {
        entry.key = key;
        entry.score = score;
        entry.move = move;
        entry.depth = std::int8_t(depth);
        entry.bound = bound;
        entry.generation = generation_;
    }
}
