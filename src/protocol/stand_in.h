// A game that shows exactly what a view shows, for asking the rules module
// about a view: which moves are legal, whether the game is over. The
// face-down cells get the unseen pieces in an arbitrary order, which no
// such question depends on: a face-down piece can be flipped but neither
// moved nor taken, and the pieces each side still has are known from the
// pool.
#ifndef PROTOCOL_STAND_IN_H
#define PROTOCOL_STAND_IN_H

#include "engine/visible.h"
#include "rules/rules.h"

// view must be consistent.
Game standInGame(const Visible &view);

#endif
