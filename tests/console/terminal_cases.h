// The terminal types the console tests run on, and what each shows of an
// attribute.
#ifndef TESTS_CONSOLE_TERMINAL_CASES_H
#define TESTS_CONSOLE_TERMINAL_CASES_H

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "support/vterm_screen.h"

struct Terminal {
    const char *term;
    bool bright;                 // shows intensity as the bright colours (else as bold)
    bool writesLastCell = true;  // false: writing the bottom-right cell would scroll
};

// Test listings name a case by its terminal, not its bytes.
inline void PrintTo(const Terminal &t, std::ostream *os) {
    *os << t.term;
}

inline std::string terminalName(const testing::TestParamInfo<Terminal> &info) {
    std::string name;
    for (const char *p = info.param.term; *p; ++p)
        name += std::isalnum((unsigned char)*p) ? *p : '_';
    return name;
}

inline int expectedFg(const Terminal &t, unsigned short attr) {
    return t.bright ? ansiForeground(attr) : ansiForeground(attr) & 7;
}

inline int expectedBg(const Terminal &t, unsigned short attr) {
    return t.bright ? ansiBackground(attr) : ansiBackground(attr) & 7;
}

#endif
