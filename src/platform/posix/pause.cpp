// The pause on POSIX, where no command interpreter offers one: the same
// prompt and one key, read as the key reader reads it (without echo,
// without waiting for Enter, an arrow or a multi-byte character whole, so
// nothing of it is left over for the shell).
#include "platform/pause.h"

#include <unistd.h>

#include <cstdio>

#include "platform/getch.h"
#include "platform/textout.h"

void systemPause() {
    textFlush();
    if (!isatty(STDIN_FILENO))
        return;
    // With the table redirected, the prompt belongs on the terminal only.
    FILE *screen = isatty(STDOUT_FILENO) ? stdout : stderr;
    std::fputs("Press any key to continue . . . ", screen);
    std::fflush(screen);
    _getch();
    std::fputs("\n", screen);
    std::fflush(screen);
}
