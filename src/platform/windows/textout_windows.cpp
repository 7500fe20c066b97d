// Text output on Windows: the console is expected on code page 950, so
// the Big5 bytes are written as they are.
#include "platform/textout.h"

#include <io.h>
#include <windows.h>

#include <cstdio>

namespace {

// The console behind standard output, or null when it is a file or a pipe.
// Asked on every write, so that a redirection made while running (freopen,
// dup2 onto descriptor 1) is followed.
HANDLE consoleOfStdout() {
    HANDLE h = (HANDLE)_get_osfhandle(_fileno(stdout));
    DWORD mode;
    if (h == INVALID_HANDLE_VALUE || !GetConsoleMode(h, &mode))
        return nullptr;
    return h;
}

}  // namespace

void textWrite(const char *text, std::size_t len) {
    HANDLE console = consoleOfStdout();
    if (!console) {
        // Files and pipes: the C stream in text mode, so "\n" becomes CRLF.
        std::fwrite(text, 1, len, stdout);
        return;
    }
    // To a console the bytes go with WriteFile, which the console decodes in
    // its output code page. On Windows the C stream would do as well, but
    // Wine's C runtime hands console text over as Latin-1 and the Big5
    // characters come out as mojibake. The console itself starts a new line
    // at "\n". Whatever else went through stdout's C buffer goes out first,
    // so the order on the screen stays the order of the calls.
    std::fflush(stdout);
    DWORD written;
    WriteFile(console, text, (DWORD)len, &written, nullptr);
}

void textFlush() {
    std::fflush(stdout);
}
