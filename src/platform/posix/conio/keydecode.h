// Turns the bytes a terminal sends for key presses into the codes the
// Windows runtime's _getch gives for the same keys: one code for a
// character, or a prefix (0, or 224 for the cursor and editing block and
// F11/F12) followed by the key's scan code. Pure: no reading, no clock.
//
// What a terminal sends and what comes out:
//   printable ASCII, Tab, control keys    the byte itself
//   Enter (CR or LF)                      13
//   Backspace (DEL or BS)                 8
//   Ctrl-Space (NUL)                      0 3
//   Esc alone                             27 (known only once no byte follows:
//                                         the caller says so with keyDecodeFlush)
//   arrows  ESC [ A, ESC O A, ESC [ 1 ; 5 A and the like
//                                         224 72 up, 80 down, 77 right, 75 left
//   Home End Insert Delete PgUp PgDn      224 71 / 79 / 82 / 83 / 73 / 81
//   F1-F10                                0 59 ... 0 68
//   F11, F12                              224 133, 224 134
//   Shift-Tab                             0 15
//   Alt with a letter, digit, - =, Backspace, Enter or Tab (ESC then the key)
//                                         0 and the key's Alt code
//   a character of several bytes (UTF-8)  one code, '?' (63): the code the
//                                         runtime gives for a character its
//                                         console code page lacks
// Shift, Ctrl and Alt held with a cursor or function key are dropped: the
// key reads as itself. Sequences no key here makes (terminal reports, paste
// markers, keys Windows has no code for) are swallowed whole, as the
// runtime skips keys it cannot translate. A cursor position report
// (ESC [ row ; col R) reads as a modified F3 unless the program says it
// asked for one (owedReports): then it is swallowed.
#ifndef PLATFORM_POSIX_CONIO_KEYDECODE_H
#define PLATFORM_POSIX_CONIO_KEYDECODE_H

// The most codes one call can hand out: the key a byte cut short, then
// the byte's own key, each possibly a pair.
const int keyDecodeMaxCodes = 4;

struct KeyDecoder {
    int state;      // where in a sequence the bytes so far have left it
    int length;     // bytes of the sequence after its introducer
    int need;       // continuation bytes of a UTF-8 character still to come
    int params[2];  // the first two numbers of a CSI or SS3 sequence
    int param;      // index of the number being read
    bool foreign;   // a marker no key sends: a report, swallowed whole
    int owedReports;  // cursor position reports asked for and not yet had
};

// Starts afresh, with nothing pending. A zero-initialised decoder is the same.
void keyDecodeReset(KeyDecoder *decoder);

// Takes one byte; writes the codes of every key it completes to codes
// (room for keyDecodeMaxCodes) and returns how many.
int keyDecodeByte(KeyDecoder *decoder, unsigned char byte, int *codes);

// True while the bytes so far are the start of a longer key: more bytes
// are needed, or a pause to settle that the key is complete.
bool keyDecodePending(const KeyDecoder *decoder);

// No further byte came in time: completes what has begun (a lone Esc
// becomes 27) and returns its codes as keyDecodeByte does.
int keyDecodeFlush(KeyDecoder *decoder, int *codes);

#endif
