// The runtime's unechoed single-key read: one code per call, without
// waiting for Enter; a key outside the character set arrives as two calls,
// a prefix (0 or 224) and then the key's scan code.
#ifndef PLATFORM_GETCH_H
#define PLATFORM_GETCH_H

#ifdef _WIN32
#include <conio.h>
#else
// The terminal's own stand-in (platform/posix/conio). When standard input
// has ended, every call returns 27, the Esc code, so that a reading loop
// comes to its end instead of waiting for keys that cannot come.
int _getch(void);
#endif

#endif
