// banqi-play's command line, in the usual GNU form.
#ifndef PLAY_OPTIONS_H
#define PLAY_OPTIONS_H

#include <string>

#include "engine/engine.h"

struct PlayOptions {
    bool computer = false;       // one player against the computer
    bool computerFirst = false;  // the computer opens the game
    int level = levelDefault;    // the computer's strength, levelMin-levelMax
    bool help = false;
    bool version = false;
};

// Reads argv into options. False when something is not understood, with
// error set to a one-line message (without the program's name).
bool parseOptions(int argc, char **argv, PlayOptions *options, std::string *error);

// What --help prints.
extern const char playUsage[];

#endif
