// banqi-engine: the computer opponent behind a text protocol on standard
// input and output, for a GUI or a test harness to drive.
#include <csignal>
#include <iostream>

#include "protocol/session.h"

int main() {
#ifdef SIGPIPE
    // A reader that has gone ends the loop through the stream's state
    // rather than killing the program mid-line.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    std::ios::sync_with_stdio(false);
    SessionSettings settings;
    settings.version = BANQI_ENGINE_VERSION;
    Engine engine;
    Session session(engine, std::cout, settings);
    runSession(std::cin, session);
    return 0;
}
