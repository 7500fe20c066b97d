// Which characters are of East Asian ambiguous width.
#ifndef PLATFORM_POSIX_EAST_ASIAN_AMBIGUOUS_H
#define PLATFORM_POSIX_EAST_ASIAN_AMBIGUOUS_H

// True for a code point of Unicode's East Asian Width class A: one column
// on most terminals, two on those set up for CJK (xterm -cjk_width).
bool isEastAsianAmbiguous(unsigned codePoint);

#endif
