// Text output on POSIX: Big5 bytes go out unchanged to files, pipes and
// Big5 terminals; a terminal in any other encoding gets them converted.
#include "platform/textout.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <string>

#include "big5_transcoder.h"

namespace {

bool decided = false;
Big5Transcoder *transcoder = nullptr;  // null: write the bytes as they are

void decide() {
    decided = true;
    // A reader that goes away early must not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    if (!isatty(STDOUT_FILENO))
        return;
    std::setlocale(LC_CTYPE, "");
    const char *codeset = nl_langinfo(CODESET);
    if (isBig5Codeset(codeset))
        return;
    static Big5Transcoder forTerminal(codeset);
    if (forTerminal.ok())
        transcoder = &forTerminal;
}

}  // namespace

void textWrite(const char *text, std::size_t len) {
    if (!decided)
        decide();
    if (!transcoder) {
        std::fwrite(text, 1, len, stdout);
        return;
    }
    static std::string converted;
    converted.clear();
    transcoder->convert(text, len, converted);
    std::fwrite(converted.data(), 1, converted.size(), stdout);
}

void textFlush() {
    if (!decided)
        decide();
    std::fflush(stdout);
}
