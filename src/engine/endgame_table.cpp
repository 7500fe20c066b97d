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

// The mirror images as masks on a cell number (row * 8 + col): 24 turns
// row r into 3 - r, 7 turns column c into 7 - c.
const int mirrors[] = {0, 7, 24, 31};

// The mirror that takes cell into the top left quarter.
int mirrorToQuarter(int cell) { return (cell & 16 ? 24 : 0) | (cell & 4 ? 7 : 0); }

// Cells mirrored by mask, each run of equal kinds sorted again.
void mirrorCells(const Material &material, const int cell[], int mask, int out[]) {
    for (int i = 0; i < material.count; i++)
        out[i] = cell[i] ^ mask;
    if (!material.repeats)
        return;
    for (int i = 0; i < material.count;) {
        int end = i + 1;
        while (end < material.count && material.kind[end] == material.kind[i])
            end++;
        sortSmall(out + i, out + end);
        i = end;
    }
}

// The index of cells already mirrored and sorted.
std::uint32_t pack(const int cell[], int count, int turn) {
    std::uint32_t index = turn | (cell[0] >> 3) << 3 | (cell[0] & 3) << 1;
    for (int i = 1; i < count; i++)
        index |= std::uint32_t(cell[i]) << (4 + 5 * (i - 1));
    return index;
}

// Whether a placement's cells (by slot) come before b's.
bool before(const int a[], const int b[], int count) {
    return std::lexicographical_compare(a, a + count, b, b + count);
}

// Work space while a table is built: the step count decided so far, the
// plies with it, and for undecided positions what counting losses needs.
struct Work {
    std::int8_t steps;
    // Step children not yet known to be won by the opponent, neverLost, or
    // 0 before they are counted.
    std::uint8_t left;
    // The layer of the children whose plies a losing position keeps.
    std::uint8_t seen;
    std::uint16_t plies;
};

// A position that some capture keeps from being lost.
const std::uint8_t neverLost = 0xff;

// The most positions one step apart from one position: four pieces, four
// directions.
const int maxSteps = endgameMaxPieces * 4;

class Builder {
public:
    Builder(const Material &material, Table *table);
    void run();

private:
    bool decode(std::uint32_t index, int cell[], int *turn) const;
    int stepIndexes(const int cell[], int turn, int mover, std::uint32_t out[]) const;
    int captureOutcome(const int cell[], int turn, int slot, int victim, int *plies) const;
    void start();
    void spread(int layer);

    const Material &m_;
    Table *t_;
    int n_;
    int side_[endgameMaxPieces];
    int runStart_[endgameMaxPieces], runEnd_[endgameMaxPieces];
    // The table a capture of each slot leads to, unless it was its side's last.
    const Table *smaller_[endgameMaxPieces] = {};
    const Geometry &g_ = geometry();
    std::vector<Work> work_;
    std::vector<std::uint32_t> layer_, next_;
};

Builder::Builder(const Material &material, Table *table)
    : m_(material), t_(table), n_(material.count) {
    int sideCount[2] = {0, 0};
    for (int i = 0; i < n_; i++) {
        side_[i] = kindSide(m_.kind[i]);
        sideCount[side_[i]]++;
        runStart_[i] = i > 0 && m_.kind[i - 1] == m_.kind[i] ? runStart_[i - 1] : i;
    }
    for (int i = n_ - 1; i >= 0; i--)
        runEnd_[i] = i + 1 < n_ && m_.kind[i + 1] == m_.kind[i] ? runEnd_[i + 1] : i + 1;
    for (int victim = 0; victim < n_; victim++) {
        if (sideCount[side_[victim]] == 1)
            continue;
        int kind[endgameMaxPieces], cell[endgameMaxPieces] = {}, turn = 0;
        for (int i = 0, k = 0; i < n_; i++)
            if (i != victim)
                kind[k++] = m_.kind[i];
        canonicalise(n_ - 1, kind, cell, &turn);
        smaller_[victim] = &tableFor(materialOf(n_ - 1, kind));
    }
}

// Cells by slot and turn; false for an index that is no canonical
// placement (two pieces on a cell, equal kinds out of cell order, a
// mirror image that comes first).
bool Builder::decode(std::uint32_t index, int cell[], int *turn) const {
    *turn = index & 1;
    for (int i = n_; i < endgameMaxPieces; i++)
        cell[i] = 0;
    int quarter = index >> 1 & 7;
    cell[0] = (quarter >> 2) * boardCols + (quarter & 3);
    std::uint32_t occupied = std::uint32_t(1) << cell[0];
    for (int i = 1; i < n_; i++) {
        cell[i] = index >> (4 + 5 * (i - 1)) & 31;
        if (occupied >> cell[i] & 1)
            return false;
        occupied |= std::uint32_t(1) << cell[i];
        if (m_.kind[i - 1] == m_.kind[i] && cell[i - 1] > cell[i])
            return false;
    }
    return m_.firstRun == 1 || placementIndex(m_, cell, *turn) == index;
}

// The distinct positions one step of side mover leads to, or (mover the
// side not to move) comes from, with turn to move in them.
int Builder::stepIndexes(const int cell[], int turn, int mover, std::uint32_t out[]) const {
    std::uint32_t occupied = 0;
    for (int i = 0; i < n_; i++)
        occupied |= std::uint32_t(1) << cell[i];
    int count = 0;
    int moved[endgameMaxPieces];
    for (int i = 0; i < endgameMaxPieces; i++)
        moved[i] = cell[i];
    for (int i = 0; i < n_; i++) {
        if (side_[i] != mover)
            continue;
        for (int k = 0; k < g_.neighbourCount[cell[i]]; k++) {
            int to = g_.neighbour[cell[i]][k];
            if (occupied >> to & 1)
                continue;
            moved[i] = to;
            std::uint32_t index;
            if (runStart_[i] > 0 && m_.firstRun == 1) {
                // The first slot stays in its quarter: no mirror to take.
                int sorted[endgameMaxPieces];
                for (int j = 0; j < endgameMaxPieces; j++)
                    sorted[j] = moved[j];
                sortSmall(sorted + runStart_[i], sorted + runEnd_[i]);
                index = pack(sorted, n_, turn);
            } else {
                index = placementIndex(m_, moved, turn);
            }
            // Mirror images of one another count once.
            if (std::find(out, out + count, index) == out + count)
                out[count++] = index;
        }
        moved[i] = cell[i];
    }
    return count;
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
    std::uint32_t index = placementIndex(table->material, at, next);
    *plies = 1 + table->plies[index];
    int steps = table->steps[index];
    return steps < 0 ? 1 : steps > 0 ? -1 : 0;
}

// Layer 1: wins by capture, losses with no move or only losing captures.
void Builder::start() {
    std::size_t size = tableSize(n_);
    work_.assign(size, Work{0, 0, 0, 0});
    for (std::uint32_t index = 0; index < size; index++) {
        int cell[endgameMaxPieces], turn;
        if (!decode(index, cell, &turn))
            continue;
        int winPlies = INT_MAX, lossPlies = 0, steps = 0;
        bool drawn = false;
        forEachMove(
            n_, m_.kind, cell, turn, [&](int, int) { steps++; },
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
        Work &w = work_[index];
        if (winPlies != INT_MAX) {
            w.steps = 1;
            w.plies = winPlies;
            layer_.push_back(index);
        } else if (!steps && !drawn) {
            w.steps = -1;
            w.plies = lossPlies;
            layer_.push_back(index);
        } else {
            // Two steps lead to mirror images of one another only where a
            // kind repeats; there the steps are counted, mirror images
            // once, when the first of them proves a loss.
            w.left = drawn ? neverLost : m_.repeats ? 0 : steps;
            w.plies = lossPlies;
        }
    }
}

// From the positions decided with layer quiet moves to those that step
// into them, decided with one more.
void Builder::spread(int layer) {
    for (std::uint32_t index : layer_) {
        int cell[endgameMaxPieces], turn;
        decode(index, cell, &turn);
        bool won = work_[index].steps > 0;
        int plies = 1 + work_[index].plies;
        std::uint32_t parents[maxSteps];
        int count = stepIndexes(cell, 1 - turn, 1 - turn, parents);
        for (int k = 0; k < count; k++) {
            Work &w = work_[parents[k]];
            if (!won) {
                // The mover wins by stepping here; the shortest game.
                if (w.steps == 0) {
                    w.steps = layer + 1;
                    w.plies = plies;
                    next_.push_back(parents[k]);
                } else if (w.steps == layer + 1) {
                    w.plies = std::min<int>(w.plies, plies);
                }
                continue;
            }
            if (w.steps != 0 || w.left == neverLost)
                continue;
            if (w.left == 0) {
                int before[endgameMaxPieces], side;
                decode(parents[k], before, &side);
                std::uint32_t children[maxSteps];
                w.left = stepIndexes(before, 1 - side, side, children);
            }
            // One more step into the opponent's win; the loser keeps the
            // longest game among its slowest conversions.
            if (w.seen < layer) {
                w.seen = layer;
                w.plies = plies;
            } else {
                w.plies = std::max<int>(w.plies, plies);
            }
            if (--w.left == 0) {
                w.steps = -(layer + 1);
                next_.push_back(parents[k]);
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
    t_->steps.resize(work_.size());
    t_->plies.resize(work_.size());
    for (std::size_t index = 0; index < work_.size(); index++) {
        t_->steps[index] = work_[index].steps;
        // What is left is drawn with any number of quiet moves to go.
        t_->plies[index] = work_[index].steps ? work_[index].plies : 0;
    }
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
    bool swap = before(swapped, kinds, count);
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

Material materialOf(int count, const int kind[]) {
    Material material = {count, {}, 1, false};
    for (int i = 0; i < count; i++) {
        material.kind[i] = kind[i];
        if (i > 0 && kind[i] == kind[i - 1]) {
            material.repeats = true;
            if (kind[i] == kind[0])
                material.firstRun++;
        }
    }
    return material;
}

std::uint32_t placementIndex(const Material &material, const int cell[], int turn) {
    // The first slot's kind lands in the top left quarter by the mirror
    // of whichever of its pieces lands on the least cell there; only
    // pieces that are mirror images of one another tie, and the other
    // slots settle the tie.
    int least = boardCells, mask = 0;
    bool tied = false;
    for (int i = 0; i < material.firstRun; i++) {
        int m = mirrorToQuarter(cell[i]);
        int image = cell[i] ^ m;
        if (image < least) {
            least = image;
            mask = m;
            tied = false;
        } else if (image == least) {
            tied = true;
        }
    }
    int best[endgameMaxPieces];
    mirrorCells(material, cell, mask, best);
    if (tied) {
        for (int m : mirrors) {
            int image[endgameMaxPieces];
            mirrorCells(material, cell, m, image);
            if (image[0] == least && before(image, best, material.count))
                std::copy(image, image + material.count, best);
        }
    }
    return pack(best, material.count, turn);
}

void buildTable(const Material &material, Table *table) {
    table->material = material;
    Builder(material, table).run();
}

}  // namespace endgame
