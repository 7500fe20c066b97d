// banqi-engine's command loop over any pair of streams: one command a
// line in, every answer a line out, flushed at once for a program on the
// other end of a pipe. A command that is malformed or inconsistent gets
// one line "error <what is wrong>" and changes nothing.
#ifndef PROTOCOL_SESSION_H
#define PROTOCOL_SESSION_H

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/visible.h"

// Longer lines are refused whole, so no input can make a line grow
// without bound.
const int maxLineLength = 1024;
// Every search ends within this time, whatever go asked for.
const int maxMoveTimeMs = 600000;
const int maxSearchDepth = 100;

struct SessionSettings {
    std::string version;  // shown by the banqi command
    // When non-zero, bounds every search's depth: for running the loop
    // where a long search does not fit, as under the fuzzer.
    int depthCap = 0;
};

class Session {
public:
    // The session drives engine, which must outlive it.
    Session(Engine &engine, std::ostream &out, const SessionSettings &settings);

    // Runs one command line, without its line end. False once it was quit
    // or the output is gone.
    bool command(const std::string &line);
    // Answers a line too long to read; false once the output is gone.
    bool refuseLongLine();

    // The position go searches: the start until a position command.
    const Visible &position() const { return position_; }

private:
    void answer(const std::string &line);
    void error(const std::string &what);
    void banqi();
    void setOption(const std::vector<std::string> &words);
    void setPosition(const std::vector<std::string> &words);
    void go(const std::vector<std::string> &words);

    std::ostream &out_;
    SessionSettings settings_;
    Engine &engine_;
    Visible position_;
};

// Feeds the lines of in to session until quit, the end of the input, or
// the loss of the output.
void runSession(std::istream &in, Session &session);

#endif
