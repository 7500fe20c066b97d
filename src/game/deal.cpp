#include "game/deal.h"

#include <cstdlib>

void swap(int *a, int *b) {
    int t = *a;
    *a = *b;
    *b = t;
}

void shuffle(int *values, int count) {
    for (int i = 0; i < count; i++)
        values[i] = i;
    // The raw rand() modulo i + 1, with no correction: for 32 cells the
    // bias is a few parts in a billion at RAND_MAX = 2^31 - 1.
    for (int i = count - 1; i >= 0; i--) {
        int j = rand() % (i + 1);
        swap(&values[j], &values[i]);
    }
}
