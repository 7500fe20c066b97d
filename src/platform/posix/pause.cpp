// The pause on POSIX, where no command interpreter offers one: the same
// prompt and one key, read without echo and without waiting for Enter.
#include "platform/pause.h"

#include <poll.h>
#include <unistd.h>

#include <cstdio>

#include "platform/textout.h"
#include "rawmode.h"

namespace {

bool readable(int fd, int milliseconds) {
    struct pollfd p = {fd, POLLIN, 0};
    return poll(&p, 1, milliseconds) > 0 && (p.revents & POLLIN);
}

// One key press: its first byte, then the rest of what the same key sent
// (an escape sequence or a multi-byte character), so that nothing of it
// is left over for the shell.
void readOneKey(int fd) {
    unsigned char first;
    if (read(fd, &first, 1) != 1)
        return;
    bool more = first == 0x1B || first >= 0xC0;
    unsigned char rest[64];
    while (readable(fd, more ? 50 : 0) && read(fd, rest, sizeof rest) > 0)
        more = false;
}

}  // namespace

void systemPause() {
    textFlush();
    if (!isatty(STDIN_FILENO))
        return;
    // With the table redirected, the prompt belongs on the terminal only.
    FILE *screen = isatty(STDOUT_FILENO) ? stdout : stderr;
    std::fputs("Press any key to continue . . . ", screen);
    std::fflush(screen);
    if (rawModeEnter(STDIN_FILENO)) {
        readOneKey(STDIN_FILENO);
        rawModeLeave();
    }
    std::fputs("\n", screen);
    std::fflush(screen);
}
