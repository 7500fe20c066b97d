// The won endgames the engine must convert: positions of a few face-up
// pieces that the solver proves won for the side to move, within the
// quiet-move rule, and a referee that plays them out against the solver's
// longest defence.
#ifndef TESTS_ENDGAME_SUITE_H
#define TESTS_ENDGAME_SUITE_H

#include <vector>

#include "engine/engine.h"
#include "engine/visible.h"

struct SuiteOptions {
    int count = 200;
    unsigned seed = 1;
    int minPlies = 5;    // the fastest win lasts at least this long
    int maxPlies = 999;  // and at most this long
};

// Seeded, so the same options give the same suite. Two, three and four
// pieces in the ratio 1:2:2, of ranks drawn within the set, the side to
// move and the quiet-move count drawn too. A material whose placements
// are seldom won is drawn again.
std::vector<Visible> wonEndgames(const SuiteOptions &options);

// A position as the side to move sees it, every piece not on the board
// counted as captured.
Visible settledView(const Game &game);

struct Conversion {
    bool converted;
    bool illegal;  // the engine answered a move the rules refuse
    int plies;     // plies played until the game ended
};

// Plays start out: engine (its limits given) for the side to move, the
// solver's longest defence for the other.
Conversion playOut(Engine &engine, const Visible &start, const SearchLimits &limits);

#endif
