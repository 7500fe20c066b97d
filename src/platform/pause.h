// The "press any key" pause that ends a run.
#ifndef PLATFORM_PAUSE_H
#define PLATFORM_PAUSE_H

// Shows everything written so far, prompts, and waits for one key.
// Returns at once when there is no keyboard to wait for.
void systemPause();

#endif
