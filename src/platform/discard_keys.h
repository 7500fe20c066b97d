// Throwing away keys typed ahead: those pressed while the program was not
// asking for one (the computer's turn) must not act once it asks again.
#ifndef PLATFORM_DISCARD_KEYS_H
#define PLATFORM_DISCARD_KEYS_H

// Drops every key pressed but not yet read, and any part of one.
void discardTypedKeys();

#endif
