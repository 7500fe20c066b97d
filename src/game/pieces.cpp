#include "game/pieces.h"

int getRank(int id) {
    // Rank by offset within a side: one general, two each of advisor,
    // elephant, chariot, horse and cannon, five soldiers.
    static const int rank[16] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 6, 6, 6};
    return rank[id % 16];
}

int getColor(int id) {
    return id / 16;
}
