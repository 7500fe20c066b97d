// Text output. Every screen text of the program is Big5 and goes to
// standard output through these calls, which write it unchanged to files,
// pipes and Big5 terminals, and in the terminal's own encoding elsewhere.
#ifndef PLATFORM_TEXTOUT_H
#define PLATFORM_TEXTOUT_H

#include <cstddef>

// Writes len bytes of Big5 text.
void textWrite(const char *text, std::size_t len);

// Writes a NUL-terminated Big5 text, then a newline (as puts does).
void textPuts(const char *text);

// Writes a NUL-terminated Big5 text as it stands ("%" means nothing).
void textPut(const char *text);

// Formats as printf does and writes the result as Big5 text.
void textPrintf(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Pushes whatever is buffered to the terminal or file.
void textFlush();

#endif
