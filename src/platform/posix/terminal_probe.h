// Asks the terminal how wide it shows East Asian ambiguous characters, as
// editors do (vim's ambiwidth detection): one such character is written
// between two cursor position requests (CSI 6n), and the columns between
// the two answers are its width. The screen is put back as it was. The
// answers are taken out of the terminal's input: keys typed meanwhile are
// kept for the key reader, and answers that come too late are owed, to be
// swallowed by the key reader or, at the latest, before the program exits.
#ifndef PLATFORM_POSIX_TERMINAL_PROBE_H
#define PLATFORM_POSIX_TERMINAL_PROBE_H

#include <cstddef>
#include <string>
#include <vector>

// Picks cursor position reports (ESC [ row ; col R) out of the bytes a
// terminal sends; every other byte passes on, in order.
class ReportScanner {
public:
    struct Report {
        int row;
        int col;
    };

    // Takes bytes as they were read: a report may be split across calls.
    // Each report completed is added to reports; other bytes go to input.
    void scan(const char *bytes, std::size_t n, std::string &input);

    // No more bytes come: what was held as a report's possible beginning
    // is input after all.
    void finish(std::string &input);

    std::vector<Report> reports;

private:
    void take(char byte, std::string &input);
    std::string held_;
};

struct ProbeAnswer {
    int width;  // columns the glyph took, 1 or 2; 0 when the answers did not come in time or tell nothing
    int owed;   // answers asked for that had not come when the time was up
};

// The probe on descriptors in (the terminal's input, in raw mode) and out:
// writes glyph (one character in the terminal's encoding) between the two
// requests, reads the answers for at most timeoutMs, and puts the screen
// back (the glyph's cells blanked, the cursor where it was). Bytes read
// that are not answers are appended to input.
ProbeAnswer probeGlyphWidth(int in, int out, const std::string &glyph, int timeoutMs,
                            std::string &input);

// How wide the terminal shows ambiguous characters (UTF-8 ones), for the
// text output: probed once with "─", only when standard input and output
// are the same terminal, the program runs in its foreground, and TERM is
// set and not "dumb"; 1 otherwise, or
// when no answer came in time. Text on standard output's stream is flushed
// first.
int terminalAmbiguousWidth();

// For the key reader: the keys the probe read ahead of it, a byte at a
// time; false when none are left.
bool takeReadAheadByte(unsigned char &byte);

// The answers still owed. The key reader swallows them and sets the rest.
int reportsOwed();
void setReportsOwed(int owed);

#endif
