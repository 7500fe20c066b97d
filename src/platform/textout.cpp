// The parts of text output that are the same on every platform; each
// platform supplies textWrite and textFlush.
#include "platform/textout.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

void textPut(const char *text) {
    textWrite(text, std::strlen(text));
}

void textPuts(const char *text) {
    textPut(text);
    textWrite("\n", 1);
}

void textPrintf(const char *format, ...) {
    char small[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (n < 0) {
        va_end(again);
        return;
    }
    if ((std::size_t)n < sizeof small) {
        va_end(again);
        textWrite(small, (std::size_t)n);
        return;
    }
    std::string large((std::size_t)n + 1, '\0');
    std::vsnprintf(&large[0], large.size(), format, again);
    va_end(again);
    textWrite(large.data(), (std::size_t)n);
}
