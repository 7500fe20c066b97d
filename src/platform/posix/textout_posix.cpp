// Text output on POSIX: Big5 bytes go out unchanged to files, pipes and
// Big5 terminals; a terminal in any other encoding gets them converted.
// A terminal left in the C (POSIX) locale gets UTF-8, as Python's locale
// coercion does: nobody wants ASCII there. On a UTF-8 terminal the width of
// ambiguous characters is asked of the terminal itself.
#include "platform/textout.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "big5_transcoder.h"
#include "terminal_probe.h"

namespace {

bool decided = false;
Big5Transcoder *transcoder = nullptr;  // null: write the bytes as they are

bool isUtf8Codeset(const char *codeset) {
    return std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0;
}

// The codeset to write on the terminal. In the C locale (also when the
// environment names one this system does not have) a UTF-8 locale is put
// in its place for the widths (when there is none, C stays: ASCII).
const char *terminalCodeset() {
    std::setlocale(LC_CTYPE, "");
    const char *name = std::setlocale(LC_CTYPE, nullptr);
    if (name && std::strcmp(name, "C") != 0 && std::strcmp(name, "POSIX") != 0)
        return nl_langinfo(CODESET);
    for (const char *utf8 : {"C.UTF-8", "C.utf8", "UTF-8", "en_US.UTF-8"})
        if (std::setlocale(LC_CTYPE, utf8) && isUtf8Codeset(nl_langinfo(CODESET)))
            return "UTF-8";
    std::setlocale(LC_CTYPE, "C");
    return nl_langinfo(CODESET);
}

void decide() {
    decided = true;
    // A reader that goes away early must not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    if (!isatty(STDOUT_FILENO))
        return;
    const char *codeset = terminalCodeset();
    if (isBig5Codeset(codeset))
        return;
    bool ambiguousWide = isUtf8Codeset(codeset) && terminalAmbiguousWidth() == 2;
    static Big5Transcoder forTerminal(codeset, ambiguousWide);
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
