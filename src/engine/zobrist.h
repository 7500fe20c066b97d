// Zobrist keys for the visible state: a face-up kind on a cell, a
// face-down cell, how many of each kind remain unseen, the side to move
// and the quiet-move count (the draw rule makes it part of the value).
// Fixed keys, the same in every run.
#ifndef ENGINE_ZOBRIST_H
#define ENGINE_ZOBRIST_H

#include <cstdint>

#include "engine/visible.h"
#include "rules/rules.h"

namespace zobrist {

using Key = std::uint64_t;

const int maxPoolCount = 5;   // the most pieces of a kind in a set
const int quietSlots = 64;    // quiet counts at or past the last slot share it

struct Keys {
    Key piece[kindCount][boardCells] = {};
    Key hidden[boardCells] = {};
    Key pool[kindCount][maxPoolCount + 1] = {};
    Key turn[3] = {};  // noSide, black, red
    Key quiet[quietSlots] = {};

    constexpr Keys() {
        std::uint64_t state = 0x9E3779B97F4A7C15ull;
        for (auto &row : piece)
            for (Key &k : row) k = next(state);
        for (Key &k : hidden) k = next(state);
        for (auto &row : pool)
            for (Key &k : row) k = next(state);
        for (Key &k : turn) k = next(state);
        for (Key &k : quiet) k = next(state);
    }

    // splitmix64
    static constexpr Key next(std::uint64_t &state) {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
};

inline constexpr Keys keys{};

inline Key piece(int kind, int cell) { return keys.piece[kind][cell]; }
inline Key hidden(int cell) { return keys.hidden[cell]; }
inline Key pool(int kind, int count) { return keys.pool[kind][count]; }
inline Key turn(int side) { return keys.turn[side + 1]; }
inline Key quiet(int moves) { return keys.quiet[moves < quietSlots ? moves : quietSlots - 1]; }

}  // namespace zobrist

#endif
