// The transposition table: what earlier visits learned of a position,
// keyed by its Zobrist key. One entry per slot, replaced by a deeper or a
// newer search.
#ifndef ENGINE_TT_H
#define ENGINE_TT_H

#include <cstdint>
#include <vector>

#include "engine/zobrist.h"
#include "rules/rules.h"

enum Bound : std::uint8_t { boundNone, boundUpper, boundLower, boundExact };

struct TTEntry {
    zobrist::Key key;
    std::int32_t score;
    std::uint16_t move;  // packed; noPackedMove when there is none
    std::int8_t depth;
    std::uint8_t bound : 2;
    std::uint8_t generation : 6;
};

const std::uint16_t noPackedMove = 0xFFFF;

inline std::uint16_t packMove(const Move &move) {
    return std::uint16_t(move.kind << 10 | move.from << 5 | move.to);
}

inline Move unpackMove(std::uint16_t packed) {
    return Move{MoveKind(packed >> 10), (packed >> 5) & 31, packed & 31};
}

class TranspositionTable {
public:
    explicit TranspositionTable(int sizeLog2);

    void clear();
    // A new search: older entries give way first.
    void nextGeneration() { generation_ = (generation_ + 1) & 63; }

    // The entry for key, or null.
    const TTEntry *probe(zobrist::Key key) const;
    void store(zobrist::Key key, int score, int depth, Bound bound, std::uint16_t move);

private:
    std::vector<TTEntry> entries_;
    std::size_t mask_;
    std::uint8_t generation_ = 0;
};

#endif
