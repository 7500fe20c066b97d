#include "support/capture.h"

#include <unistd.h>

#include <cstdio>

std::string captureStdout(const std::function<void()> &body) {
    std::fflush(stdout);
    FILE *sink = std::tmpfile();
    int saved = dup(STDOUT_FILENO);
    dup2(fileno(sink), STDOUT_FILENO);
    body();
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);

    std::string bytes;
    std::rewind(sink);
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, sink)) > 0)
        bytes.append(chunk, n);
    std::fclose(sink);
    return bytes;
}
