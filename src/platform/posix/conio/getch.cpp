// _getch on a POSIX terminal: the terminal is switched to key-at-a-time
// reading only while a key is being read (between reads only echo stays
// off, until exit), its bytes are decoded into the Windows codes, and the
// second code of a pair waits for the next call. Keys the terminal probe
// read ahead come first; the answers it still waits for are swallowed.
// While it waits for a key, the reader redraws the screen after a resize.
#include "platform/getch.h"
#include "platform/discard_keys.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "keydecode.h"
#include "platform/posix/rawmode.h"
#include "platform/posix/terminal_hooks.h"
#include "platform/posix/terminal_probe.h"
#include "platform/textout.h"
#include "platform/window_size.h"

namespace {

// How long a byte that may begin a longer key (Esc, a UTF-8 lead byte)
// waits for the next one. A terminal writes a key's whole sequence at
// once, so its bytes come well within this even through a multiplexer or
// a loaded machine; a lone Esc is then known 30 ms after the press, which
// nobody feels (ncurses' default wait is a whole second).
const int sequenceGapMs = 30;

const int escCode = 27;

KeyDecoder decoder;
int queue[keyDecodeMaxCodes];
int queued = 0;
int taken = 0;
bool ended = false;
bool rawRead = false;  // the terminal is in raw mode for this read

// True when a byte can be read within milliseconds.
bool byteWithin(int fd, int milliseconds) {
    struct pollfd p = {fd, POLLIN, 0};
    int ready;
    while ((ready = poll(&p, 1, milliseconds)) < 0 && errno == EINTR) {
    }
    return ready > 0;
}

// Waits until fd has a byte to read (or has ended); meanwhile the screen
// is redrawn after each resize of the window.
void awaitByte(int fd) {
    for (;;) {
        struct pollfd p[2] = {{fd, POLLIN, 0}, {resizeFd(), POLLIN, 0}};
        int ready = poll(p, p[1].fd >= 0 ? 2 : 1, -1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready > 0 && p[1].fd >= 0 && (p[1].revents & POLLIN) && !(p[0].revents)) {
            redrawIfResized();
            textFlush();
            if (rawRead)  // the redraw may have waited with other modes
                rawModeEnter(fd);
            continue;
        }
        return;
    }
}

// Reads until the bytes make at least one whole key and queues its codes.
// Returns the number queued; 0 once input has ended.
int decodeKey(int fd) {
    for (;;) {
        unsigned char byte;
        if (takeReadAheadByte(byte)) {
            if (int count = keyDecodeByte(&decoder, byte, queue))
                return count;
            continue;
        }
        if (keyDecodePending(&decoder) && !byteWithin(fd, sequenceGapMs)) {
            if (int count = keyDecodeFlush(&decoder, queue))
                return count;
            continue;
        }
        if (!keyDecodePending(&decoder))
            awaitByte(fd);
        ssize_t n = read(fd, &byte, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            byteWithin(fd, -1);  // a non-blocking descriptor: wait here
            continue;
        }
        if (n <= 0) {  // end of file, a hangup, or a descriptor that fails
            ended = true;
            return keyDecodeFlush(&decoder, queue);
        }
        if (int count = keyDecodeByte(&decoder, byte, queue))
            return count;
    }
}

int readKey(int fd) {
    decoder.owedReports = reportsOwed();
    int count = decodeKey(fd);
    setReportsOwed(decoder.owedReports);
    return count;
}

}  // namespace

int _getch(void) {
    if (taken < queued)
        return queue[taken++];
    if (ended)
        return escCode;
    // Whatever the program drew must be on screen before it waits.
    textFlush();
    // Not a terminal (a pipe, a file): its bytes are read as they come.
    rawRead = rawModeEnter(STDIN_FILENO);
    queued = readKey(STDIN_FILENO);
    if (rawRead)
        rawModeIdle();
    rawRead = false;
    taken = 0;
    if (queued == 0)
        return escCode;
    return queue[taken++];
}

void discardTypedKeys() {
    unsigned char byte;
    while (takeReadAheadByte(byte)) {
    }
    queued = taken = 0;
    // A pipe or a file is not a keyboard: nothing there was typed ahead.
    if (ended || !rawModeEnter(STDIN_FILENO))
        return;
    // Read and decoded, not flushed: a late answer to the terminal probe
    // among the keys is swallowed and counted as the reader would.
    decoder.owedReports = reportsOwed();
    int codes[keyDecodeMaxCodes];
    for (;;) {
        bool pending = keyDecodePending(&decoder);
        if (!byteWithin(STDIN_FILENO, pending ? sequenceGapMs : 0)) {
            if (!pending)
                break;
            keyDecodeFlush(&decoder, codes);
            continue;
        }
        ssize_t n = read(STDIN_FILENO, &byte, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ended = n == 0;
            break;
        }
        keyDecodeByte(&decoder, byte, codes);
    }
    setReportsOwed(decoder.owedReports);
    rawModeIdle();
}
