// A _getch that hands out scripted codes, for testing getKey without a
// keyboard. Reading past the script throws ScriptEnded, so a reader that
// would go on waiting shows as such instead of hanging.
#ifndef TESTS_KEYS_SCRIPTED_GETCH_H
#define TESTS_KEYS_SCRIPTED_GETCH_H

#include <vector>

struct ScriptEnded {};

void scriptKeys(const std::vector<int> &codes);

// How many codes have been read since scriptKeys.
int scriptedReads();

#endif
