#include "engine/endgame_table.h"

#include <algorithm>
#include <climits>

#include "engine/endgame_moves.h"

namespace endgame {

namespace {

int swapColour(int kind) { return (kind + rankCount) % kindCount; }

// Insertion sort: a few values at most.
void sortSmall(int *first, int *last) {
    for (int *i = first + 1; i < last; i++)
        for (int *j = i; j > first && j[-1] > j[0]; j--)
            std::swap(j[-1], j[0]);
}

// A position that some capture or step keeps from being lost.
const std::uint8_t neverLost = 0xff;

class Builder {
public:
    Builder(const Material &material, Table *table);
    void run();

private:
    bool decode(std::uint32_t index, int cell[], int *turn) const;
    std::uint32_t indexAfterStep(const int cell[], int turn, int slot, int to) const;
    int captureOutcome(const int cell[], int turn, int slot, int victim, int *plies) const;
    void start();
    void spread(int layer);

    const Material &m_;
    Table *t_;
    int n_;
    int side_[endgameMaxPieces];
    int runStart_[endgameMaxPieces], runEnd_[endgameMaxPieces];
    int sideCount_[2] = {0, 0};
    // The table a capture of each slot leads to, unless it was its side's last.
    const Table *smaller_[endgameMaxPieces] = {};
    // Step children not yet known to be won by the opponent, or neverLost.
    std::vector<std::uint8_t> left_;
    // The layer of the children whose plies a losing position keeps.
    std::vector<std::uint8_t> seen_;
    std::vector<std::uint32_t> layer_, next_;
};

Builder::Builder(const Material &material, Table *table)
    : m_(material), t_(table), n_(material.count) {
    for (int i = 0; i < n_; i++) {
        side_[i] = kindSide(m_.kind[i]);
        sideCount_[side_[i]]++;
        runStart_[i] = i > 0 && m_.kind[i - 1] == m_.kind[i] ? runStart_[i - 1] : i;
    }
    for (int i = n_ - 1; i >= 0; i--)
        runEnd_[i] = i + 1 < n_ && m_.kind[i + 1] == m_.kind[i] ? runEnd_[i + 1] : i + 1;
    for (int victim = 0; victim < n_; victim++) {
        if (sideCount_[side_[victim]] == 1)
            continue;
        Material smaller = {n_ - 1, {}};
        int cell[endgameMaxPieces] = {}, turn = 0;
        for (int i = 0, k = 0; i < n_; i++)
            if (i != victim)
                smaller.kind[k++] = m_.kind[i];
        canonicalise(smaller.count, smaller.kind, cell, &turn);
        smaller_[victim] = &tableFor(smaller);
    }
}

// Cells by slot and turn; false for an index that is no canonical
// placement (two pieces on a cell, equal kinds out of cell order).
bool Builder::decode(std::uint32_t index, int cell[], int *turn) const {
    std::uint32_t occupied = 0;
    for (int i = 0; i < n_; i++) {
        cell[i] = index >> (5 * i) & 31;
        if (occupied >> cell[i] & 1)
            return false;
        occupied |= std::uint32_t(1) << cell[i];
        if (i > runStart_[i] && cell[i - 1] > cell[i])
            return false;
    }
    *turn = index >> (5 * n_);
    return true;
}

std::uint32_t Builder::indexAfterStep(const int cell[], int turn, int slot, int to) const {
    int moved[endgameMaxPieces];
    std::copy(cell, cell + n_, moved);
    moved[slot] = to;
    sortSmall(moved + runStart_[slot], moved + runEnd_[slot]);
    return tableIndex(n_, moved, turn);
}

// +1 when the capture wins for the side that makes it, -1 when it loses,
// 0 when it draws (the smaller position read with the full allowance).
int Builder::captureOutcome(const int cell[], int turn, int slot, int victim,
                            int *plies) const {
    const Table *table = smaller_[victim];
    if (!table) {
        *plies = 1;
        return 1;
    }
    int kind[endgameMaxPieces], at[endgameMaxPieces], count = 0;
    for (int i = 0; i < n_; i++) {
        if (i == victim)
            continue;
        kind[count] = m_.kind[i];
        at[count++] = i == slot ? cell[victim] : cell[i];
    }
    int next = 1 - turn;
    canonicalise(count, kind, at, &next);
    std::uint32_t index = tableIndex(count, at, next);
    *plies = 1 + table->plies[index];
    int steps = table->steps[index];
    return steps < 0 ? 1 : steps > 0 ? -1 : 0;
}

// Layer 1: wins by capture, losses with no move or only losing captures.
void Builder::start() {
    std::size_t size = std::size_t(2) << (5 * n_);
    t_->steps.assign(size, 0);
    t_->plies.assign(size, 0);
    left_.assign(size, 0);
    seen_.assign(size, 0);
    for (std::uint32_t index = 0; index < size; index++) {
        int cell[endgameMaxPieces], turn;
        if (!decode(index, cell, &turn))
            continue;
        int stepCount = 0, winPlies = INT_MAX, lossPlies = 0;
        bool drawn = false;
        forEachMove(
            n_, m_.kind, cell, turn, [&](int, int) { stepCount++; },
            [&](int slot, int victim) {
                int plies;
                int outcome = captureOutcome(cell, turn, slot, victim, &plies);
                if (outcome > 0)
                    winPlies = std::min(winPlies, plies);
                else if (outcome < 0)
                    lossPlies = std::max(lossPlies, plies);
                else
                    drawn = true;
            });
        if (winPlies != INT_MAX) {
            t_->steps[index] = 1;
            t_->plies[index] = winPlies;
            layer_.push_back(index);
        } else if (stepCount == 0 && !drawn) {
            t_->steps[index] = -1;
            t_->plies[index] = lossPlies;
            layer_.push_back(index);
        } else {
            left_[index] = drawn ? neverLost : stepCount;
            t_->plies[index] = lossPlies;
        }
    }
}

// From the positions decided with layer quiet moves to those that step
// into them, decided with one more.
void Builder::spread(int layer) {
    for (std::uint32_t index : layer_) {
        int cell[endgameMaxPieces], turn;
        decode(index, cell, &turn);
        bool won = t_->steps[index] > 0;
        int plies = 1 + t_->plies[index];
        std::uint32_t occupied = 0;
        for (int i = 0; i < n_; i++)
            occupied |= std::uint32_t(1) << cell[i];
        const Geometry &g = geometry();
        for (int i = 0; i < n_; i++) {
            if (side_[i] == turn)
                continue;
            for (int k = 0; k < g.neighbourCount[cell[i]]; k++) {
                int from = g.neighbour[cell[i]][k];
                if (occupied >> from & 1)
                    continue;
                std::uint32_t before = indexAfterStep(cell, 1 - turn, i, from);
                std::int8_t &steps = t_->steps[before];
                std::uint16_t &known = t_->plies[before];
                if (!won) {
                    // The mover wins by stepping here; the shortest game.
                    if (steps == 0) {
                        steps = layer + 1;
                        known = plies;
                        next_.push_back(before);
                    } else if (steps == layer + 1) {
                        known = std::min<int>(known, plies);
                    }
                    continue;
                }
                if (steps != 0 || left_[before] == neverLost)
                    continue;
                // One more step into the opponent's win; the loser keeps
                // the longest game among its slowest conversions.
                if (seen_[before] < layer) {
                    seen_[before] = layer;
                    known = plies;
                } else {
                    known = std::max<int>(known, plies);
                }
                if (--left_[before] == 0) {
                    steps = -(layer + 1);
                    next_.push_back(before);
                }
            }
        }
    }
}

void Builder::run() {
    start();
    for (int layer = 1; layer < quietMoveLimit && !layer_.empty(); layer++) {
        spread(layer);
        layer_.swap(next_);
        next_.clear();
    }
    // What is left is drawn with any number of quiet moves to go.
    for (std::size_t index = 0; index < t_->steps.size(); index++)
        if (t_->steps[index] == 0)
            t_->plies[index] = 0;
}

}  // namespace

bool canonicalise(int count, int kind[], int cell[], int *turn) {
    int kinds[endgameMaxPieces], swapped[endgameMaxPieces];
    for (int i = 0; i < count; i++) {
        kinds[i] = kind[i];
        swapped[i] = swapColour(kind[i]);
    }
    sortSmall(kinds, kinds + count);
    sortSmall(swapped, swapped + count);
    bool swap = std::lexicographical_compare(swapped, swapped + count, kinds, kinds + count);
    if (swap) {
        for (int i = 0; i < count; i++)
            kind[i] = swapColour(kind[i]);
        *turn = 1 - *turn;
    }
    // Slots by kind, equal kinds by cell.
    for (int i = 1; i < count; i++)
        for (int j = i; j > 0 && (kind[j - 1] > kind[j] ||
                                  (kind[j - 1] == kind[j] && cell[j - 1] > cell[j]));
             j--) {
            std::swap(kind[j - 1], kind[j]);
            std::swap(cell[j - 1], cell[j]);
        }
    return swap;
}

void buildTable(const Material &material, Table *table) {
    table->material = material;
    Builder(material, table).run();
}

}  // namespace endgame
