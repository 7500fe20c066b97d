// Text output on Windows: the console is expected on code page 950, so
// the Big5 bytes are written as they are.
#include "platform/textout.h"

#include <cstdio>

void textWrite(const char *text, std::size_t len) {
    std::fwrite(text, 1, len, stdout);
}

void textFlush() {
    std::fflush(stdout);
}
